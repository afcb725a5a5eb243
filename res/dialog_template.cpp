// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "res/dialog_template.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string>& styles, std::string_view style) {
  return std::find(styles.begin(), styles.end(), style) != styles.end();
}

}  // namespace

bool ControlTemplate::Has(std::string_view style) const { return Contains(styles, style); }

bool DialogTemplate::Has(std::string_view style) const { return Contains(styles, style); }

const ControlTemplate* DialogTemplate::Control(int id) const {
  const auto found =
      std::find_if(controls.begin(), controls.end(),
                   [id](const ControlTemplate& control) { return control.id == id; });
  return found == controls.end() ? nullptr : &*found;
}
