// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vts_make/key_file_info.h"

#include <cstddef>
#include <cstdio>

#include "data/key_file.h"
#include "data/key_text.h"
#include "vts_make/counted.h"

namespace {

// A key as the big display shows it; keys that show as nothing visible get a name.
std::string ShownKey(unsigned char key) {
  switch (key) {
    case ' ':
      return "Space";
    case '\t':
      return "Tab";
    case '\n':
      return "LF";
    case '\r':
      return "CR";
  }
  if (key < 0x20 || (key >= 0x7F && key <= 0xA0) || key == 0xAD) {
    char name[5];
    std::snprintf(name, sizeof name, "0x%02X", key);
    return name;
  }
  return UpperText(KeyText(key));
}

// Where a byte that reaches the reader at `offset` lands in the game's reading.
std::string Place(std::size_t offset) {
  if (offset < kKeyFileCountFieldSize) return "in the count field";
  return "at key " + std::to_string(offset - kKeyFileCountFieldSize + 1);
}

// What text mode did within the bytes the game reads: CR LF pairs joined, an early end.
void WarnTextMode(const TextModeReading& reading, std::vector<std::string>& warnings) {
  if (reading.endedAtMark) {
    warnings.push_back("the byte 0x1A at byte " + std::to_string(reading.markRaw) +
                       " ends the file for the game, " + Place(reading.markDelivered));
  }
  if (reading.crLfPairs > 0) {
    warnings.push_back(
        Counted(reading.crLfPairs, "CR LF pair") + " read as one LF each, the first at byte " +
        std::to_string(reading.firstPairRaw) + ", " + Place(reading.firstPairDelivered));
  }
}

// The count against the keys the game gets, and the NUL byte that may have ended them.
void WarnCount(const KeyFile& file, std::vector<std::string>& warnings) {
  if (file.count <= 0) {
    warnings.push_back("the count is " + std::to_string(file.count) +
                       ", so the game plays no keys");
    return;
  }
  if (file.keys.size() >= static_cast<std::size_t>(file.count)) return;
  warnings.push_back("the count is " + std::to_string(file.count) + " but the game gets " +
                     Counted(file.keys.size(), "key") +
                     (file.cutAtNul ? ": a NUL byte after them ends the sequence" : ""));
}

}  // namespace

std::optional<KeyFileInfo> DescribeKeyFile(const std::string& path) {
  const KeyFile file = ReadKeyFile(path);
  if (!file.opened) return std::nullopt;
  KeyFileInfo info;
  info.count = file.count;
  for (const char key : file.keys) info.keys.push_back(ShownKey(static_cast<unsigned char>(key)));
  WarnCount(file, info.warnings);
  WarnTextMode(file.reading, info.warnings);
  return info;
}
