// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// A key file as the game reads it, told in words for the player who made it.
struct KeyFileInfo {
  // Why the file is no key file to tell of ("No such file or directory", "too short to be a
  // key file..."); nothing else is filled in then.
  std::string failure;
  int count = 0;                      // as the count field says
  std::vector<std::string> keys;      // as the game shows them, or named when blank
  std::vector<std::string> warnings;  // where the game reads otherwise than it looks
};

// Reads the file with the game's own readers. Paths are UTF-8.
KeyFileInfo DescribeKeyFile(const std::string& path);
