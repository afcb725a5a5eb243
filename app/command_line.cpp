// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <cstring>

CommandLine ReadCommandLine(int argc, const char* const argv[]) {
  if (argc == 1) return CommandLine::Play;
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) return CommandLine::Help;
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) return CommandLine::Version;
  return CommandLine::Wrong;
}

void PrintUsage(std::FILE* to) {
  std::fputs(
      "Usage: quellabox [--help | --version]\n"
      "VANTOSH, a keyboard reaction game: type the key shown before the next tick.\n"
      "With no option it opens the game on the desktop.\n"
      "\n"
      "  --help     print this help and exit\n"
      "  --version  print the version and exit\n",
      to);
}

void PrintVersion(const char* version) {
  std::printf(
      "quellabox %s\n"
      "Copyright (C) 2026 Quellabox maintainers\n"
      "License GPL-3.0-or-later: GNU GPL version 3 or later "
      "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
      "This is free software: you are free to change and redistribute it.\n"
      "There is NO WARRANTY, to the extent permitted by law.\n",
      version);
}
