// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the program's icon as a PNG of the given size, for the desktop's icon theme.
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "generators/icon_design.h"
#include "generators/vga_palette.h"

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[2]) : 0;
  if (size < 16 || size > 1024) {
    std::fprintf(stderr, "usage: render_icon_png OUT.png SIZE (16 to 1024)\n");
    return 2;
  }
  const IndexedImage icon = DrawIcon(size);
  QImage png(size, size, QImage::Format_ARGB32);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const std::uint8_t index = icon.at(x, y);
      if (index == IndexedImage::kTransparent) {
        png.setPixel(x, y, qRgba(0, 0, 0, 0));
      } else {
        const Rgb colour = kVgaPalette[index];
        png.setPixel(x, y, qRgb(colour.r, colour.g, colour.b));
      }
    }
  }
  if (!png.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
