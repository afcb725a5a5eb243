// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>

// What the command line asks of the program.
enum class CommandLine { Play, Help, Version, Wrong };

// The game takes no argument but --help and --version, each alone.
CommandLine ReadCommandLine(int argc, const char* const argv[]);

// The texts --help and a wrong command line print.
void PrintUsage(std::FILE* to);
void PrintVersion(const char* version);
