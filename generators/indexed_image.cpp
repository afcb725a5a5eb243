// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generators/indexed_image.h"

#include <algorithm>
#include <cstddef>

IndexedImage::IndexedImage(int width, int height, std::uint8_t fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

std::uint8_t IndexedImage::at(int x, int y) const {
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void IndexedImage::FillRect(int x, int y, int w, int h, std::uint8_t index) {
  const int left = std::max(x, 0);
  const int right = std::min(x + w, width_);
  const int top = std::max(y, 0);
  const int bottom = std::min(y + h, height_);
  for (int row = top; row < bottom; ++row) {
    std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(row) * width_ + left,
              pixels_.begin() + static_cast<std::ptrdiff_t>(row) * width_ + right, index);
  }
}
