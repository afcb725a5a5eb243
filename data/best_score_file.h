// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>

// best.data holds one 8-byte field: the best Random-mode score as decimal text, ended by a
// NUL when it is shorter than the field; the bytes behind the NUL are filler.
constexpr char kBestScoreFileName[] = "best.data";
constexpr std::size_t kBestScoreFieldSize = 8;
using BestScoreField = std::array<char, kBestScoreFieldSize>;

// The first 8 bytes of the file, raw; 0x00 where the file is shorter, missing or unreadable.
BestScoreField ReadBestScoreField(const std::string& path);

// The field's text, shown unchanged: up to its first NUL, or all 8 bytes.
std::string BestScoreText(const BestScoreField& field);

// The field's value for comparisons, by the atoi rules.
int BestScoreValue(const BestScoreField& field);

// The field with `score` written from its first byte: the digits and a NUL, the filler
// behind the NUL kept. Eight digits fill the field with no NUL, and a score above
// 99999999 is stored as 99999999, so the text never runs past the field.
BestScoreField WithScore(BestScoreField field, int score);
