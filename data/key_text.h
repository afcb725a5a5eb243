// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// Keys are single bytes of a key file: bytes below 0x80 are ASCII, bytes 0x80-0xFF are
// Latin-1 characters. On screen and in the input box every text is UTF-8, so a key is
// compared with what the player typed as UTF-8 text, after both went through UpperText.

// The UTF-8 text of one key byte.
std::string KeyText(unsigned char key);

// The text with every letter that has an upper-case form in Latin-1 upper-cased: a-z and
// the Latin-1 letters U+00E0 to U+00FE but U+00F7. Everything else stays as it is, so a
// typed character outside Latin-1 never becomes one a key could stand for.
std::string UpperText(std::string text);

// The first UTF-8 character of the text (empty for an empty text); a malformed lead byte
// counts as one character by itself.
std::string FirstCharacter(const std::string& text);

// The length of the well-formed UTF-8 character at `pos` of the text, or 0 when none starts
// there: a stray or missing continuation byte, an overlong form, a surrogate, or a code
// point above U+10FFFF.
std::size_t Utf8CharacterLength(const std::string& text, std::size_t pos);
