// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

#include "data/text_mode_file.h"

// A key file (*.vts): an 8-byte count field, the number of keys as decimal text, then one
// byte per key in the order of play, read in text mode. Both readers open, read and close
// the file within the call, so a file changed during a game counts from the next read; a
// file that cannot be opened reads as count 0 and no keys. Paths are UTF-8.
constexpr std::size_t kKeyFileCountFieldSize = 8;

struct KeyFile {
  int count = 0;     // as the field says, even when fewer keys follow
  std::string keys;  // at most `count` bytes, ending before the first NUL
  // How the reading went, for a tool that explains a file; play needs none of it.
  bool countIsNumber = false;  // the field holds digits; without them the count is 0
  bool cutAtNul = false;       // a NUL byte ended the keys
  TextModeReading reading;
};

int ReadKeyFileCount(const std::string& path);
KeyFile ReadKeyFile(const std::string& path);
