// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/key_file.h"

#include <optional>

#include "data/field_number.h"

namespace {

std::optional<int> ReadCount(TextModeFile& file) {
  std::string field;
  file.Read(field, kKeyFileCountFieldSize);
  return ParseFieldNumber(field);
}

}  // namespace

int ReadKeyFileCount(const std::string& path) {
  TextModeFile file(path);
  return ReadCount(file).value_or(0);
}

KeyFile ReadKeyFile(const std::string& path) {
  TextModeFile file(path);
  KeyFile result;
  const std::optional<int> count = ReadCount(file);
  result.count = count.value_or(0);
  result.countIsNumber = count.has_value();
  if (result.count > 0) {
    file.Read(result.keys, static_cast<std::size_t>(result.count));
    const std::size_t nul = result.keys.find('\0');
    result.cutAtNul = nul != std::string::npos;
    if (result.cutAtNul) result.keys.erase(nul);
  }
  result.reading = file.Reading();
  return result;
}
