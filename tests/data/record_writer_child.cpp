// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the record "42" over DIRECTORY/best.data as the game saves it, for the crash test.
#include <string>

#include "qt/atomic_save.h"

int main(int argc, char** argv) {
  using namespace std::string_literals;
  return argc == 2 && SaveFileAtomically(argv[1] + "/best.data"s, "42\0\0\0\0\0\0"s) ? 0 : 1;
}
