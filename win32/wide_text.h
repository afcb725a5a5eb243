// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The program's texts are UTF-8; the Windows API speaks UTF-16 (its W functions), so any
// name a player's folders have passes through whole.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
