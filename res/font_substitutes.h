// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// The installed fonts that stand in for a face the templates name, best first. The first
// one's line height and letter widths give the dialogs the room their templates were laid
// out for (res/fonts.json, which the Wine prefix's set-up reads too).
struct FontSubstitute {
  std::string face;
  std::vector<std::string> families;
};

const std::vector<FontSubstitute>& FontSubstitutes();
