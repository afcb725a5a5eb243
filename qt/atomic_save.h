// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Replaces a file's bytes by writing a new file beside it and renaming it over the old one,
// so the file holds the old bytes or the new ones at every instant, also across a crash.
bool SaveFileAtomically(const std::string& path, const std::string& bytes);
