// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

class Host;

// Lets the player pick a key file; the full path, or nothing when the player cancels. The
// Open dialog starts among the samples until the player has picked a file, then in the
// folder of the file picked last (`lastPicked`). A cancelled choice offers the website,
// where more key files and the tools to make them are.
std::optional<std::string> ChooseKeyFile(Host& host, const std::string& lastPicked);
