// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// The bytes of a key file for the keys a player asks for, or why the game could not play
// them as given.
struct MadeKeyFile {
  std::string bytes;      // the count field, then one byte per key; empty when refused
  std::size_t count = 0;  // keys written
  std::string refusal;    // empty when the keys were taken
};

// `keys` is UTF-8 text, one character per key; each must be a character some key byte
// stands for in the game (ASCII or Latin-1), and one a player can finish: a key byte that
// FindUnplayableKey names (a control character such as LF, which also keeps a CR LF pair,
// a 0x1A byte and a NUL byte from being read otherwise than written) is refused.
MadeKeyFile MakeKeyFile(const std::string& keys);
