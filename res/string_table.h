// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The program's string table: the text with this id, or empty when it has none.
std::string LoadResourceString(int id);
