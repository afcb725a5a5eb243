// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/best_score_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "data/field_number.h"

namespace {

// The widest numbers whose text fits the field without a NUL.
constexpr int kLargestStorable = 99999999;
constexpr int kSmallestStorable = -9999999;

}  // namespace

BestScoreField ReadBestScoreField(const std::string& path) {
  BestScoreField field{};
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  file.read(field.data(), static_cast<std::streamsize>(field.size()));
  return field;
}

std::string BestScoreText(const BestScoreField& field) {
  return std::string(field.begin(), std::find(field.begin(), field.end(), '\0'));
}

int BestScoreValue(const BestScoreField& field) {
  return ParseFieldNumber(std::string_view(field.data(), field.size())).value_or(0);
}

BestScoreField WithScore(BestScoreField field, int score) {
  const std::string digits = std::to_string(std::clamp(score, kSmallestStorable, kLargestStorable));
  std::copy(digits.begin(), digits.end(), field.begin());
  if (digits.size() < field.size()) field[digits.size()] = '\0';
  return field;
}
