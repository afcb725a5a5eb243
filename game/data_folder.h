// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

class ProgramFiles;

// Where the program keeps the player's data: beside the program in a folder of the player's
// own, else in the player's data folder; empty when there is neither. An installed copy's
// folder is the system's, never written, not even by a user who could (root).
std::string DataFolder(ProgramFiles& files, const std::string& exeDir);
