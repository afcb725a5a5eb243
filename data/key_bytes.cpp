// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/key_bytes.h"

#include <cstdio>

namespace {

struct Row {
  unsigned char first, last;
  const char* name;  // empty: the byte is named by its value
  const char* kind;  // empty when the name says it
  const char* why;
};

constexpr char kShowsNothing[] = "which the display shows as nothing and no key types";
constexpr char kReturnEndsTheGame[] = "which only Return would type, but Return ends the game";

// The first row that holds a byte says why it cannot be played. Enter, Esc and Tab act on
// the game window before the input box sees them; a NUL or a 0x1A byte ends what the game
// reads; the rest look like a blank or like nothing, and a typed space hits only a space.
constexpr Row kUnplayable[] = {
    {0x00, 0x00, "NUL", "", "which ends the keys"},
    {0x09, 0x09, "Tab", "", "which only Tab would type, but Tab moves the focus"},
    {0x0A, 0x0A, "LF", "", kReturnEndsTheGame},
    {0x0D, 0x0D, "CR", "", kReturnEndsTheGame},
    {0x1A, 0x1A, "", "", "which ends the file"},
    {0x1B, 0x1B, "Esc", "", "which only Esc would type, but Esc asks \"Really?\""},
    {0x01, 0x1F, "", "a control character", kShowsNothing},
    {0x7F, 0x9F, "", "a control character", kShowsNothing},
    {0xA0, 0xA0, "", "a no-break space", "which looks like a blank, but a typed space misses it"},
    {0xAD, 0xAD, "", "a soft hyphen", kShowsNothing},
};

}  // namespace

std::optional<UnplayableKey> FindUnplayableKey(unsigned char key) {
  for (const Row& row : kUnplayable) {
    if (key < row.first || key > row.last) continue;
    char value[5];
    std::snprintf(value, sizeof value, "0x%02X", key);
    const std::string named = *row.name ? std::string(" (") + row.name + ")" : "";
    const std::string kind = *row.kind ? std::string(", ") + row.kind : "";
    return UnplayableKey{*row.name ? row.name : value,
                         "the byte " + std::string(value) + named + kind + ", " + row.why};
  }
  return std::nullopt;
}
