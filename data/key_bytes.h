// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

// A key byte no player can finish: the display shows it as nothing a player can read, or
// the only key that would type it does something else in the game window.
struct UnplayableKey {
  std::string name;    // how a list of keys names it: "LF", "0x07"
  std::string reason;  // "the byte 0x0A (LF), which only Return would type, but Return ..."
};

// Nothing for a key byte a player can both see on the display and type into the input box.
// vts-make refuses the others and --info warns of them; the game plays whatever a file holds.
std::optional<UnplayableKey> FindUnplayableKey(unsigned char key);
