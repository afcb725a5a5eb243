// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generators/icon_design.h"

#include <algorithm>

#include "generators/vga_palette.h"

IndexedImage DrawIcon(int size) {
  IndexedImage icon(size, size, IndexedImage::kTransparent);
  // Proportions of the 32-pixel drawing; whole pixels at every size the icon ships in.
  const int margin = size / 16;
  const int gap = size / 16;
  const int cell = (size - 2 * margin - 2 * gap) / 3;
  const int frame = std::max(1, size / 32);
  const int bevel = std::max(1, size / 64);
  const int top = (size - (2 * cell + gap)) / 2;

  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 3; ++column) {
      const int x = margin + column * (cell + gap);
      const int y = top + row * (cell + gap);
      icon.FillRect(x, y, cell, cell, kBlack);
      const int inner = cell - 2 * frame;
      icon.FillRect(x + frame, y + frame, inner, inner, kSilver);
      // A key-cap bevel where there is room for it; at 16 pixels it would leave no grey.
      if (inner >= 6 * bevel) {
        icon.FillRect(x + frame, y + frame, inner, bevel, kWhite);
        icon.FillRect(x + frame, y + frame, bevel, inner, kWhite);
        icon.FillRect(x + frame, y + frame + inner - bevel, inner, bevel, kGrey);
        icon.FillRect(x + frame + inner - bevel, y + frame, bevel, inner, kGrey);
      }
    }
  }
  return icon;
}
