// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "seam/font_spec.h"

// The window of a running dialog, as the host made it from the dialog's template.
// Controls are named by their template ids; every call on an id the template does not
// have is ignored (reads give empty values), as the platform's calls on a missing item do.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  virtual std::string ItemText(int id) const = 0;
  virtual void SetItemText(int id, const std::string& text) = 0;
  virtual int ItemCheck(int id) const = 0;  // 0 clear, 1 ticked
  virtual void SetItemCheck(int id, int state) = 0;
  virtual void EnableItem(int id, bool enable) = 0;
  virtual void ShowItem(int id, bool show) = 0;
  virtual void SetItemFont(int id, const FontSpec& font) = 0;

  // Timers of this window by id, 10 ms or longer: setting a running id restarts it with the
  // new period.
  virtual void SetTimer(unsigned id, int periodMs) = 0;
  virtual void KillTimer(unsigned id) = 0;

  // Ends the modal run with the code; inside OnInitDialog the window never takes input.
  virtual void EndDialog(int code) = 0;

  // The window's own menu: below "Close", a separator and this command.
  virtual void AppendSystemMenu(unsigned commandId, const std::string& text) = 0;
  virtual void SetIcon(int iconId) = 0;  // the caption's and the taskbar's
};
