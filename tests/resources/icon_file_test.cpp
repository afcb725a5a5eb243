// The program's icon: the .ico's directory byte by byte, its pictures and the desktop's
// PNG renderings as Qt loads them.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <utility>
#include <vector>

#include "tests/resources/resource_bytes.h"

namespace {

// The runs of set entries, as [first, last].
std::vector<std::pair<int, int>> Runs(const std::vector<bool>& set) {
  std::vector<std::pair<int, int>> runs;
  for (int i = 0; i < static_cast<int>(set.size()); ++i) {
    if (set[i] && (i == 0 || !set[i - 1])) runs.push_back({i, i});
    if (set[i]) runs.back().second = i;
  }
  return runs;
}

// The icon's design: six grey squares framed in black, in two rows of three, on a
// transparent ground.
void ExpectIconDesign(QImage image, int size) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(image.size(), QSize(size, size));
  std::vector<bool> columns(size), rows(size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = image.pixel(x, y);
      EXPECT_TRUE(qAlpha(pixel) == 255 || pixel == 0)
          << "not opaque nor clear at " << x << "," << y;
      if (qAlpha(pixel) == 255) columns[x] = rows[y] = true;
    }
  }
  // Opaque pixels exactly where an opaque column meets an opaque row: a grid of squares.
  const auto across = Runs(columns), down = Runs(rows);
  ASSERT_EQ(across.size(), 3u);
  ASSERT_EQ(down.size(), 2u);
  const int side = across[0].second - across[0].first + 1;
  for (const auto& run : {across[1], across[2], down[0], down[1]}) {
    EXPECT_EQ(run.second - run.first + 1, side) << "squares of different sizes";
  }
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      EXPECT_EQ(qAlpha(image.pixel(x, y)) == 255, columns[x] && rows[y]) << x << "," << y;
    }
  }
  for (const auto& [left, right] : across) {
    for (const auto& [top, bottom] : down) {
      for (int i = 0; i < side; ++i) {
        for (const auto& [x, y] :
             {std::pair{left + i, top}, {left + i, bottom}, {left, top + i}, {right, top + i}}) {
          EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << "frame at " << x << "," << y;
        }
      }
      const QRgb centre = image.pixel((left + right) / 2, (top + bottom) / 2);
      EXPECT_TRUE(qRed(centre) == qGreen(centre) && qGreen(centre) == qBlue(centre) &&
                  qRed(centre) >= 0x80 && qRed(centre) <= 0xC0)
          << "face is not grey: " << std::hex << centre;
    }
  }
}

TEST(IconFile, ListsA32AndA16PixelPictureAtFourBitsBackToBack) {
  const std::string bytes = ReadBytes(QUELLABOX_TEST_ICON_FILE);
  EXPECT_EQ(Le(bytes, 0, 2), 0u);
  EXPECT_EQ(Le(bytes, 2, 2), 1u) << "an icon, not a cursor";
  ASSERT_EQ(Le(bytes, 4, 2), 2u);
  std::uint32_t next = 6 + 2 * 16;
  // Header, palette, then 4-bit colour rows and 1-bit mask rows, each padded to 32 bits.
  for (const auto& [size, pixelBytes] :
       {std::pair{32u, 32u * 16 + 32 * 4}, {16u, 16u * 8 + 16 * 4}}) {
    SCOPED_TRACE(size);
    const std::size_t entry = size == 32 ? 6 : 6 + 16;
    EXPECT_EQ(Le(bytes, entry, 1), size) << "width";
    EXPECT_EQ(Le(bytes, entry + 1, 1), size) << "height";
    EXPECT_EQ(Le(bytes, entry + 2, 1), 16u) << "colour count";
    EXPECT_EQ(Le(bytes, entry + 4, 2), 1u) << "planes";
    EXPECT_EQ(Le(bytes, entry + 6, 2), 4u) << "bits per pixel";
    EXPECT_EQ(Le(bytes, entry + 8, 4), 40 + 64 + pixelBytes) << "bytes in the picture";
    ASSERT_EQ(Le(bytes, entry + 12, 4), next) << "offset";
    ExpectFourBitDib(bytes, next, size, 2 * size, pixelBytes);  // the mask doubles the height
    // Under a set mask bit the colour must be black, or the desktop's XOR tints the ground.
    const std::size_t colours = next + 40 + 64, mask = colours + size * size / 2;
    for (std::uint32_t i = 0; i < size * size; ++i) {
      const bool masked = Le(bytes, mask + i / size * 4 + i % size / 8, 1) >> (7 - i % 8) & 1;
      const std::uint32_t index = Le(bytes, colours + i / 2, 1) >> (i % 2 ? 0 : 4) & 0xF;
      EXPECT_TRUE(!masked || index == 0) << "masked pixel " << i << " is not black";
    }
    next += 40 + 64 + pixelBytes;
  }
  EXPECT_EQ(next, bytes.size()) << "the pictures end the file";
}

TEST(IconFile, BothPicturesShowTheDesignAndTheDesktopIconsToo) {
  QImageReader reader(QStringLiteral(QUELLABOX_TEST_ICON_FILE));
  ASSERT_EQ(reader.imageCount(), 2) << reader.errorString().toStdString();
  QImage icon32;
  for (int size : {32, 16}) {
    SCOPED_TRACE(size);
    const QImage image = reader.read();
    ExpectIconDesign(image, size);
    if (size == 32) icon32 = image.convertToFormat(QImage::Format_ARGB32);
    reader.jumpToNextImage();
  }
  for (int size : {16, 32, 48, 128, 256}) {
    SCOPED_TRACE(size);
    const QImage png(QStringLiteral(QUELLABOX_TEST_ICON_PNG_DIR "/%1/quellabox.png").arg(size));
    ExpectIconDesign(png, size);
    if (size == 32) {
      EXPECT_EQ(png.convertToFormat(QImage::Format_ARGB32), icon32) << "the icons differ";
    }
  }
}

}  // namespace
