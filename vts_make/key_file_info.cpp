// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "vts_make/key_file_info.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "data/key_bytes.h"
#include "data/key_file.h"
#include "data/key_text.h"
#include "vts_make/counted.h"

namespace {

// A key as the big display shows it; keys that show as nothing visible get a name.
std::string ShownKey(unsigned char key) {
  if (key == ' ') return "Space";
  if (const std::optional<UnplayableKey> unplayable = FindUnplayableKey(key)) {
    return unplayable->name;
  }
  return UpperText(KeyText(key));
}

// Why the game could read no count field from the file, in the system's words where the
// system refused; empty when it can. The game itself reads such a file as no keys.
std::string Unreadable(const std::string& path) {
  const std::filesystem::path file = std::filesystem::u8path(path);
  std::error_code unknown;
  // Linux opens a folder for reading, and Windows refuses it as if forbidden.
  if (std::filesystem::is_directory(file, unknown)) {
    return std::make_error_code(std::errc::is_a_directory).message();
  }
  std::ifstream stream(file, std::ios::binary);
  if (!stream) return std::strerror(errno);
  std::array<char, kKeyFileCountFieldSize> field;
  stream.read(field.data(), field.size());
  const auto got = static_cast<std::size_t>(stream.gcount());
  if (got == field.size()) return {};
  return "too short to be a key file (" + Counted(got, "byte") + ", and its count field takes " +
         std::to_string(field.size()) + ")";
}

// Where a byte that reaches the reader at `offset` lands in the game's reading.
std::string Place(std::size_t offset) {
  if (offset < kKeyFileCountFieldSize) return "in the count field";
  return "at key " + std::to_string(offset - kKeyFileCountFieldSize + 1);
}

// What text mode did within the bytes the game reads: CR LF pairs joined, an early end.
// Bytes of the file are counted from 1, as keys are.
void WarnTextMode(const TextModeReading& reading, std::vector<std::string>& warnings) {
  if (reading.endedAtMark) {
    warnings.push_back("the byte 0x1A at byte " + std::to_string(reading.markRaw + 1) +
                       " ends the file for the game, " + Place(reading.markDelivered));
  }
  if (reading.crLfPairs > 0) {
    warnings.push_back(
        Counted(reading.crLfPairs, "CR LF pair") + " read as one LF each, the first at byte " +
        std::to_string(reading.firstPairRaw + 1) + ", " + Place(reading.firstPairDelivered));
  }
}

// The count against the keys the game gets, and the NUL byte that may have ended them.
void WarnCount(const KeyFile& file, std::vector<std::string>& warnings) {
  if (!file.countIsNumber) {
    warnings.push_back("the count field holds no number, so the game plays no keys");
    return;
  }
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

// The first key no player can finish, and how many follow it.
void WarnUnplayable(const std::string& keys, std::vector<std::string>& warnings) {
  std::string first;
  std::size_t more = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::optional<UnplayableKey> unplayable =
        FindUnplayableKey(static_cast<unsigned char>(keys[i]));
    if (!unplayable) continue;
    if (first.empty()) {
      first = "key " + std::to_string(i + 1) + " is " + unplayable->reason;
    } else {
      ++more;
    }
  }
  if (first.empty()) return;
  warnings.push_back(
      first +
      (more ? "; " + Counted(more, "more key") + " after it no player can finish either" : ""));
}

}  // namespace

KeyFileInfo DescribeKeyFile(const std::string& path) {
  KeyFileInfo info;
  info.failure = Unreadable(path);
  if (!info.failure.empty()) return info;
  const KeyFile file = ReadKeyFile(path);
  info.count = file.count;
  for (const char key : file.keys) info.keys.push_back(ShownKey(static_cast<unsigned char>(key)));
  WarnCount(file, info.warnings);
  WarnUnplayable(file.keys, info.warnings);
  WarnTextMode(file.reading, info.warnings);
  return info;
}
