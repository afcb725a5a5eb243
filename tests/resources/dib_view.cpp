#include "tests/resources/dib_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

Bytes VgaPaletteQuads() {
  std::istringstream colours(
      "000000 800000 008000 808000 000080 800080 008080 C0C0C0 "
      "808080 FF0000 00FF00 FFFF00 0000FF FF00FF 00FFFF FFFFFF");
  Bytes quads;
  std::string rgb;
  while (colours >> rgb) {
    const unsigned long value = std::stoul(rgb, nullptr, 16);
    quads.push_back(static_cast<std::uint8_t>(value & 0xFF));
    quads.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    quads.push_back(static_cast<std::uint8_t>((value >> 16) & 0xFF));
    quads.push_back(0);
  }
  return quads;
}

DibView::DibView(const Bytes& bytes, std::size_t offset, bool withMask)
    : bytes_(bytes), offset_(offset), withMask_(withMask) {
  EXPECT_EQ(Le32(bytes, offset), 40u) << "BITMAPINFOHEADER size";
  width_ = static_cast<int>(Le32(bytes, offset + 4));
  height_ = static_cast<int>(HeaderHeight()) / (withMask ? 2 : 1);
  EXPECT_EQ(Le16(bytes, offset + 12), 1u) << "planes";
  EXPECT_EQ(Le16(bytes, offset + 14), 4u) << "bits per pixel";
  EXPECT_EQ(Le32(bytes, offset + 16), 0u) << "compression must be BI_RGB";
  const std::uint32_t coloursUsed = Le32(bytes, offset + 32);
  EXPECT_TRUE(coloursUsed == 0 || coloursUsed == 16) << coloursUsed;
  const Bytes palette = VgaPaletteQuads();
  EXPECT_TRUE(offset + 40 + palette.size() <= bytes.size() &&
              std::equal(palette.begin(), palette.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset + 40)))
      << "the palette is not the VGA palette";
  colourStride_ = static_cast<std::size_t>((width_ * 4 + 31) / 32 * 4);
  maskStride_ = static_cast<std::size_t>((width_ + 31) / 32 * 4);
}

std::uint32_t DibView::HeaderHeight() const { return Le32(bytes_, offset_ + 8); }

std::uint32_t DibView::ImageSizeField() const { return Le32(bytes_, offset_ + 20); }

std::size_t DibView::RowsStart() const { return offset_ + 40 + 64; }

std::size_t DibView::TotalSize() const {
  const auto rows = static_cast<std::size_t>(height_);
  return 40 + 64 + colourStride_ * rows + (withMask_ ? maskStride_ * rows : 0);
}

int DibView::Index(int x, int y) const {
  const std::size_t row = RowsStart() + colourStride_ * static_cast<std::size_t>(height_ - 1 - y);
  const std::uint8_t pair = bytes_.at(row + static_cast<std::size_t>(x / 2));
  return x % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

bool DibView::Transparent(int x, int y) const {
  const std::size_t maskStart = RowsStart() + colourStride_ * static_cast<std::size_t>(height_);
  const std::size_t row = maskStart + maskStride_ * static_cast<std::size_t>(height_ - 1 - y);
  return (bytes_.at(row + static_cast<std::size_t>(x / 8)) >> (7 - x % 8)) & 1;
}
