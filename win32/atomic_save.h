// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Replaces the file's bytes so that it holds the old bytes or the new ones at every instant,
// also across a crash: the new bytes go to a file beside it, reach the disk, and that file
// takes the old one's name. False when it could not be written.
bool SaveFileAtomically(const std::wstring& path, const std::string& bytes);
