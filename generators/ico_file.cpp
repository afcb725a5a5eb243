// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generators/ico_file.h"

#include "generators/dib.h"
#include "generators/le_bytes.h"

namespace {

// The AND mask: a set bit lets the ground show through.
void PutMask(std::vector<std::uint8_t>& out, const IndexedImage& image) {
  const std::uint32_t stride = dib::RowStride(image.width(), 1);
  for (int y = image.height() - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(stride, 0);
    for (int x = 0; x < image.width(); ++x) {
      if (image.at(x, y) == IndexedImage::kTransparent) {
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

std::vector<std::uint8_t> IconImage(const IndexedImage& image) {
  const auto rows = static_cast<std::uint32_t>(image.height());
  const std::uint32_t imageBytes =
      (dib::RowStride(image.width(), 4) + dib::RowStride(image.width(), 1)) * rows;
  std::vector<std::uint8_t> out;
  dib::PutInfoHeaderAndPalette(out, image.width(), 2 * image.height(), imageBytes);
  dib::PutPixels4(out, image);
  PutMask(out, image);
  return out;
}

}  // namespace

std::vector<std::uint8_t> IcoFile(const std::vector<IndexedImage>& images) {
  constexpr std::uint32_t kDirectoryHeaderSize = 6;
  constexpr std::uint32_t kEntrySize = 16;

  std::vector<std::vector<std::uint8_t>> bodies;
  for (const IndexedImage& image : images) bodies.push_back(IconImage(image));

  std::vector<std::uint8_t> out;
  PutLe16(out, 0);  // reserved
  PutLe16(out, 1);  // icon, not cursor
  PutLe16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset =
      kDirectoryHeaderSize + kEntrySize * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<std::uint8_t>(images[i].width()));  // 256 is written as 0
    out.push_back(static_cast<std::uint8_t>(images[i].height()));
    out.push_back(16);  // colours
    out.push_back(0);   // reserved
    PutLe16(out, 1);    // planes
    PutLe16(out, 4);    // bits per pixel
    PutLe32(out, static_cast<std::uint32_t>(bodies[i].size()));
    PutLe32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}
