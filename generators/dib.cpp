// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generators/dib.h"

#include "generators/le_bytes.h"
#include "generators/vga_palette.h"

namespace dib {

std::uint32_t RowStride(int width, int bitsPerPixel) {
  return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void PutInfoHeaderAndPalette(std::vector<std::uint8_t>& out, int width, int headerHeight,
                             std::uint32_t imageBytes) {
  PutLe32(out, kInfoHeaderSize);
  PutLe32(out, static_cast<std::uint32_t>(width));
  PutLe32(out, static_cast<std::uint32_t>(headerHeight));
  PutLe16(out, 1);  // planes
  PutLe16(out, 4);  // bits per pixel
  PutLe32(out, 0);  // BI_RGB
  PutLe32(out, imageBytes);
  PutLe32(out, 3780);  // 96 dots per inch, in dots per metre
  PutLe32(out, 3780);
  PutLe32(out, 16);  // colours used
  PutLe32(out, 0);   // all of them matter
  for (const Rgb& colour : kVgaPalette) {
    out.push_back(colour.b);
    out.push_back(colour.g);
    out.push_back(colour.r);
    out.push_back(0);
  }
}

void PutPixels4(std::vector<std::uint8_t>& out, const IndexedImage& image) {
  const std::uint32_t stride = RowStride(image.width(), 4);
  for (int y = image.height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < image.width(); ++x) {
      std::uint8_t index = image.at(x, y);
      if (index == IndexedImage::kTransparent) index = kBlack;
      row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

}  // namespace dib
