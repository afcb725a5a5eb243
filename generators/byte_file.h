// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the bytes as the whole file; false, with a message on stderr, when it cannot.
bool WriteByteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
