// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <string>

// What the command line asks of the program.
struct CommandLine {
  enum class Task { Play, Help, Version, Wrong } task = Task::Play;
  std::string wrong;  // what was refused, when it was: "unknown option '--bogus'"
};

// The game takes one option at most: -h or --help, or --version. "--" ends the options as
// in every Unix command, and the game takes no other argument, empty or not.
CommandLine ReadCommandLine(int argc, const char* const argv[]);

// The texts --help and a wrong command line print.
void PrintUsage(std::FILE* to);
void PrintVersion(const char* version);
