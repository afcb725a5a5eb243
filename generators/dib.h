// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "generators/indexed_image.h"

// The device-independent bitmap both the .bmp and the .ico carry: 4 bits per pixel,
// uncompressed, the VGA palette, rows bottom-up and padded to whole 32-bit words.
namespace dib {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;

// Bytes of one row of `width` pixels at `bitsPerPixel`, padding included.
std::uint32_t RowStride(int width, int bitsPerPixel);

// BITMAPINFOHEADER followed by the palette. An icon's header counts the colour rows and
// the mask rows together, so `headerHeight` is given apart from the picture's height;
// `imageBytes` is the size of all pixel rows that follow.
void PutInfoHeaderAndPalette(std::vector<std::uint8_t>& out, int width, int headerHeight,
                             std::uint32_t imageBytes);

// The picture's pixels, two to a byte, high nibble first. Transparent pixels are written
// as black, which the icon's mask then lets the ground replace.
void PutPixels4(std::vector<std::uint8_t>& out, const IndexedImage& image);

}  // namespace dib
