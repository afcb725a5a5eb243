// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/key_file.h"

#include "data/field_number.h"

namespace {

int ReadCount(TextModeFile& file) {
  std::string field;
  file.Read(field, kKeyFileCountFieldSize);
  return ParseFieldNumber(field);
}

}  // namespace

int ReadKeyFileCount(const std::string& path) {
  TextModeFile file(path);
  return ReadCount(file);
}

KeyFile ReadKeyFile(const std::string& path) {
  TextModeFile file(path);
  KeyFile result;
  result.opened = file.IsOpen();
  result.count = ReadCount(file);
  if (result.count > 0) {
    file.Read(result.keys, static_cast<std::size_t>(result.count));
    const std::size_t nul = result.keys.find('\0');
    result.cutAtNul = nul != std::string::npos;
    if (result.cutAtNul) result.keys.erase(nul);
  }
  result.reading = file.Reading();
  return result;
}
