// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// A picture of palette indices, top row first.
class IndexedImage {
 public:
  // Not a palette index: the ground shows through (icons only).
  static constexpr std::uint8_t kTransparent = 16;

  IndexedImage(int width, int height, std::uint8_t fill);

  int width() const { return width_; }
  int height() const { return height_; }
  std::uint8_t at(int x, int y) const;
  // Paints the part of the rectangle that lies inside the picture.
  void FillRect(int x, int y, int w, int h, std::uint8_t index);

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};
