// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

CommandLine ReadCommandLine(int argc, const char* const argv[]) {
  CommandLine line;
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    const bool option = !optionsEnded && argument.size() > 1 && argument[0] == '-';
    if (option && argument == "--") {
      optionsEnded = true;
      continue;
    }
    const bool known = argument == "-h" || argument == "--help" || argument == "--version";
    if (option && !known) return {CommandLine::Task::Wrong, "unknown option '" + argument + "'"};
    if (!option || line.task != CommandLine::Task::Play) {
      return {CommandLine::Task::Wrong, "unexpected argument '" + argument + "'"};
    }
    line.task = argument == "--version" ? CommandLine::Task::Version : CommandLine::Task::Help;
  }
  return line;
}

void PrintUsage(std::FILE* to) {
  std::fputs(
      "Usage: quellabox [-h | --help | --version]\n"
      "VANTOSH, a keyboard reaction game: type the key shown before the next tick.\n"
      "With no option it opens the game on the desktop.\n"
      "\n"
      "  -h, --help  print this help and exit\n"
      "  --version   print the version and exit\n",
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
