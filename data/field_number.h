// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

// The number at the start of a fixed text field, read as atoi reads text: leading white
// space, one optional sign, then decimal digits up to the first other byte or the end of
// the field. Nothing when no digit follows, where atoi gives 0. Fields are at most 8
// bytes, so the number cannot overflow.
std::optional<int> ParseFieldNumber(std::string_view field);
