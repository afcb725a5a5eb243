// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/key_text.h"

#include <cstddef>

namespace {

// Latin-1 letters from U+00C0 up are written as the byte 0xC3 and a continuation byte;
// the lower-case ones (0xA0-0xBE) lie 0x20 above their upper-case forms. 0xB7 is the
// division sign, and U+00DF and U+00FF have no upper-case form in Latin-1.
constexpr unsigned char kLatin1LetterLead = 0xC3;
constexpr unsigned char kFirstLowerTail = 0xA0;
constexpr unsigned char kLastLowerTail = 0xBE;
constexpr unsigned char kDivisionSignTail = 0xB7;
constexpr unsigned char kCaseDistance = 0x20;

bool IsLatin1LowerTail(unsigned char byte) {
  return byte >= kFirstLowerTail && byte <= kLastLowerTail && byte != kDivisionSignTail;
}

std::size_t CharacterLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  return 1;
}

}  // namespace

std::string KeyText(unsigned char key) {
  if (key < 0x80) return std::string(1, static_cast<char>(key));
  return {static_cast<char>(0xC0 | (key >> 6)), static_cast<char>(0x80 | (key & 0x3F))};
}

std::string UpperText(std::string text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 'a' && byte <= 'z') {
      text[i] = static_cast<char>(byte - kCaseDistance);
    } else if (byte == kLatin1LetterLead && i + 1 < text.size() &&
               IsLatin1LowerTail(static_cast<unsigned char>(text[i + 1]))) {
      ++i;
      text[i] = static_cast<char>(static_cast<unsigned char>(text[i]) - kCaseDistance);
    }
  }
  return text;
}

std::string FirstCharacter(const std::string& text) {
  if (text.empty()) return text;
  const std::size_t length = CharacterLength(static_cast<unsigned char>(text[0]));
  return text.substr(0, length);
}

std::size_t Utf8CharacterLength(const std::string& text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return 1;
  const std::size_t length = CharacterLength(lead);
  if (length == 1 || pos + length > text.size()) return 0;
  // The second byte's range narrows after these leads; every other continuation is 80-BF.
  const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[pos + i]);
    if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF)) return 0;
  }
  return length;
}
