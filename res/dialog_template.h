// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class ControlKind { Static, PushButton, CheckBox, Edit, Icon, Bitmap };

// A control as the template gives it; rectangles in dialog units.
struct ControlTemplate {
  int id = -1;  // -1 for a control with no id of its own
  ControlKind kind = ControlKind::Static;
  std::string caption;
  std::vector<std::string> styles;  // "group", "tabstop", "center", "default", ...
  int x = 0, y = 0, width = 0, height = 0;
  int resource = 0;  // icon or bitmap resource of a picture control
  // What a screen reader calls a control that shows no caption of its own.
  std::string accessibleName;

  bool Has(std::string_view style) const;
};

struct DialogTemplate {
  int id = 0;
  std::string caption;
  std::vector<std::string> styles;  // "appwindow": a taskbar button of its own
  int width = 0, height = 0;        // dialog units
  int fontPoints = 0;
  std::string fontFace;
  std::vector<ControlTemplate> controls;  // template order: creation and tab order

  bool Has(std::string_view style) const;
  // The control with this id, or null.
  const ControlTemplate* Control(int id) const;
};

// The program's dialog template with this id, or null when it has none.
const DialogTemplate* FindDialogTemplate(int id);
