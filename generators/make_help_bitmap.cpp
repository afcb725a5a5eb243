// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the help dialog's picture: the six keys of Random mode, A S D and J K L, as grey
// key caps with black shadows on white, in a 4-bit .bmp of 574 x 107 pixels, its right end
// blank.
#include <array>
#include <cstdio>
#include <iterator>

#include "generators/bmp_file.h"
#include "generators/byte_file.h"
#include "generators/indexed_image.h"
#include "generators/vga_palette.h"

namespace {

constexpr int kWidth = 574;
constexpr int kHeight = 107;

constexpr int kCapWidth = 60;
constexpr int kCapHeight = 62;
constexpr int kShadow = 5;     // offset of the shadow, down and to the right
constexpr int kKeyGap = 20;    // between neighbouring keys of one hand
constexpr int kGroupGap = 76;  // between the left hand's keys and the right hand's
constexpr int kOutline = 2;
constexpr int kFrontFace = 9;  // the darker skirt below the key's top
constexpr int kGlyphScale = 4;
// The help dialog lays its two buttons over the picture's right end (from x = 538 at the
// fonts the dialogs are shown in): the keys stay clear of that strip, which stays blank.
constexpr int kClearRight = 40;

// A 5 x 7 capital, one string a row, '#' for ink.
struct Glyph {
  std::array<const char*, 7> rows;
};

constexpr Glyph kKeys[] = {
    {{".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},  // A
    {{".####", "#....", "#....", ".###.", "....#", "....#", "####."}},  // S
    {{"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},  // D
    {{"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},  // J
    {{"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},  // K
    {{"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},  // L
};

void DrawGlyph(IndexedImage& image, const Glyph& glyph, int x, int y) {
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 5; ++column) {
      if (glyph.rows[row][column] == '#') {
        image.FillRect(x + column * kGlyphScale, y + row * kGlyphScale, kGlyphScale, kGlyphScale,
                       kBlack);
      }
    }
  }
}

void DrawKey(IndexedImage& image, const Glyph& glyph, int x, int y) {
  image.FillRect(x + kShadow, y + kShadow, kCapWidth, kCapHeight, kBlack);
  image.FillRect(x, y, kCapWidth, kCapHeight, kBlack);
  const int innerX = x + kOutline;
  const int innerY = y + kOutline;
  const int innerW = kCapWidth - 2 * kOutline;
  const int innerH = kCapHeight - 2 * kOutline;
  image.FillRect(innerX, innerY, innerW, innerH, kSilver);
  image.FillRect(innerX, innerY + innerH - kFrontFace, innerW, kFrontFace, kGrey);
  // The top of the key, lit from the upper left.
  const int topX = innerX + 4;
  const int topY = innerY + 3;
  const int topW = innerW - 8;
  const int topH = innerH - kFrontFace - 6;
  image.FillRect(topX, topY, topW, 2, kWhite);
  image.FillRect(topX, topY, 2, topH, kWhite);
  image.FillRect(topX, topY + topH - 2, topW, 2, kGrey);
  image.FillRect(topX + topW - 2, topY, 2, topH, kGrey);

  const int glyphW = 5 * kGlyphScale;
  const int glyphH = 7 * kGlyphScale;
  DrawGlyph(image, glyph, topX + (topW - glyphW) / 2, topY + (topH - glyphH) / 2);
}

IndexedImage DrawKeys() {
  IndexedImage image(kWidth, kHeight, kWhite);
  const int used = 6 * kCapWidth + 4 * kKeyGap + kGroupGap + kShadow;
  int x = (kWidth - kClearRight - used) / 2;
  const int y = (kHeight - kCapHeight - kShadow) / 2;
  for (std::size_t i = 0; i < std::size(kKeys); ++i) {
    DrawKey(image, kKeys[i], x, y);
    x += kCapWidth + (i == 2 ? kGroupGap : kKeyGap);
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_help_bitmap OUT.bmp\n");
    return 2;
  }
  return WriteByteFile(argv[1], BmpFile(DrawKeys())) ? 0 : 1;
}
