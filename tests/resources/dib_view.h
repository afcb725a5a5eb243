#pragma once

#include <cstddef>
#include <cstdint>

#include "tests/resources/file_bytes.h"

// The VGA palette indices the pictures are drawn in.
constexpr int kBlack = 0;
constexpr int kSilver = 7;
constexpr int kGrey = 8;
constexpr int kWhite = 15;

// The 16 VGA colours as a DIB stores them (blue, green, red, 0), written out here on
// their own so that a slip in the generators' table shows.
Bytes VgaPaletteQuads();

// A 4-bit device-independent bitmap found at `offset` in a file: its header, checked to be
// 40 bytes, 4 bits, uncompressed, with the VGA palette; then its pixels, rows bottom-up.
// An icon's DIB has a 1-bit mask after the colour rows and a header height twice the
// picture's.
class DibView {
 public:
  DibView(const Bytes& bytes, std::size_t offset, bool withMask);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t HeaderHeight() const;
  std::uint32_t ImageSizeField() const;
  // Bytes the header, palette and rows take, mask included.
  std::size_t TotalSize() const;

  int Index(int x, int y) const;        // palette index; y counts from the top
  bool Transparent(int x, int y) const;  // the mask bit; icons only

 private:
  std::size_t RowsStart() const;

  const Bytes& bytes_;
  std::size_t offset_;
  bool withMask_;
  int width_;
  int height_;
  std::size_t colourStride_;
  std::size_t maskStride_;
};
