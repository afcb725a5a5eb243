// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/key_file_writer.h"

#include <cstddef>
#include <cstdio>
#include <optional>

#include "data/key_bytes.h"
#include "data/key_file.h"
#include "data/key_text.h"

namespace {

constexpr std::size_t kMostKeys = 99999999;  // eight decimal digits

struct Key {
  unsigned char byte;
  std::size_t length;  // of its UTF-8 text
};

// The key byte whose text, by the game's own rule, is the character at `pos`. An ASCII key
// is its own text, so the byte there is tried first, then every byte from 0x80.
std::optional<Key> KeyAt(const std::string& text, std::size_t pos) {
  const auto first = static_cast<unsigned char>(text[pos]);
  if (KeyText(first) == text.substr(pos, 1)) return Key{first, 1};
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    const std::string shown = KeyText(static_cast<unsigned char>(byte));
    if (text.compare(pos, shown.size(), shown) == 0) {
      return Key{static_cast<unsigned char>(byte), shown.size()};
    }
  }
  return std::nullopt;
}

std::string HexBytes(const std::string& bytes) {
  std::string hex;
  for (const char byte : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(byte));
    hex += hex.empty() ? "" : " ";
    hex += digits;
  }
  return hex;
}

MadeKeyFile Refuse(std::string why) { return {{}, 0, std::move(why)}; }

}  // namespace

MadeKeyFile MakeKeyFile(const std::string& keys) {
  std::string bytes(kKeyFileCountFieldSize, '\0');
  for (std::size_t pos = 0; pos < keys.size();) {
    const std::string key = "key " + std::to_string(bytes.size() - kKeyFileCountFieldSize + 1);
    const std::size_t length = Utf8CharacterLength(keys, pos);
    if (length == 0) {
      return Refuse(key + " (byte " + std::to_string(pos + 1) + " of the keys, 0x" +
                    HexBytes(keys.substr(pos, 1)) + ") is no UTF-8 character");
    }
    const std::optional<Key> made = KeyAt(keys, pos);
    if (!made) {
      return Refuse(key + " (bytes " + HexBytes(keys.substr(pos, length)) +
                    ") is no Latin-1 character, and the game reads one per key byte");
    }
    if (const std::optional<UnplayableKey> unplayable = FindUnplayableKey(made->byte)) {
      return Refuse(key + " is " + unplayable->reason);
    }
    bytes += static_cast<char>(made->byte);
    pos += made->length;
  }
  const std::size_t count = bytes.size() - kKeyFileCountFieldSize;
  if (count == 0) return Refuse("no keys given");
  if (count > kMostKeys) {
    return Refuse(std::to_string(count) + " keys do not fit the count field; at most " +
                  std::to_string(kMostKeys));
  }
  // The count left-aligned, and NUL bytes after it.
  const std::string digits = std::to_string(count);
  bytes.replace(0, digits.size(), digits);
  return {std::move(bytes), count, {}};
}
