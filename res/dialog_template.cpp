// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "res/dialog_template.h"

#include <algorithm>

bool ControlTemplate::Has(std::string_view style) const {
  return std::find(styles.begin(), styles.end(), style) != styles.end();
}

const ControlTemplate* DialogTemplate::Control(int id) const {
  const auto found =
      std::find_if(controls.begin(), controls.end(),
                   [id](const ControlTemplate& control) { return control.id == id; });
  return found == controls.end() ? nullptr : &*found;
}
