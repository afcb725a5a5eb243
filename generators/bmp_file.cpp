// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generators/bmp_file.h"

#include "generators/dib.h"
#include "generators/le_bytes.h"

std::vector<std::uint8_t> BmpFile(const IndexedImage& image) {
  constexpr std::uint32_t kFileHeaderSize = 14;
  const std::uint32_t pixelOffset = kFileHeaderSize + dib::kInfoHeaderSize + dib::kPaletteSize;
  const std::uint32_t imageBytes =
      dib::RowStride(image.width(), 4) * static_cast<std::uint32_t>(image.height());

  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  PutLe32(out, pixelOffset + imageBytes);
  PutLe32(out, 0);  // reserved
  PutLe32(out, pixelOffset);
  dib::PutInfoHeaderAndPalette(out, image.width(), image.height(), imageBytes);
  dib::PutPixels4(out, image);
  return out;
}
