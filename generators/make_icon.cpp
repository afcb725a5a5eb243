// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's icon as a Windows .ico with a 32- and a 16-pixel picture.
#include <cstdio>

#include "generators/byte_file.h"
#include "generators/ico_file.h"
#include "generators/icon_design.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUT.ico\n");
    return 2;
  }
  return WriteByteFile(argv[1], IcoFile({DrawIcon(32), DrawIcon(16)})) ? 0 : 1;
}
