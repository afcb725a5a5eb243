// The program's icon as a Windows .ico: its directory, its two 16-colour pictures and
// their masks, read byte by byte.
#include <gtest/gtest.h>

#include <cstddef>

#include "tests/resources/dib_view.h"
#include "tests/resources/file_bytes.h"
#include "tests/resources/icon_shape.h"

namespace {

class IconFile : public ::testing::Test {
 protected:
  const Bytes bytes_ = ReadFileBytes(QUELLABOX_TEST_ICON_FILE);

  std::size_t EntryOffset(int entry) const { return 6 + 16 * static_cast<std::size_t>(entry); }
  DibView Picture(int entry) const { return DibView(bytes_, Le32(bytes_, EntryOffset(entry) + 12), true); }
};

TEST_F(IconFile, DirectoryListsA32AndA16PixelPictureOf16Colours) {
  ASSERT_GE(bytes_.size(), 6u + 2 * 16u);
  EXPECT_EQ(Le16(bytes_, 0), 0u);
  EXPECT_EQ(Le16(bytes_, 2), 1u) << "an icon, not a cursor";
  ASSERT_EQ(Le16(bytes_, 4), 2u);

  const int sizes[] = {32, 16};
  std::size_t expectedOffset = 6 + 2 * 16;
  for (int entry = 0; entry < 2; ++entry) {
    SCOPED_TRACE(sizes[entry]);
    const std::size_t at = EntryOffset(entry);
    EXPECT_EQ(bytes_[at], sizes[entry]);
    EXPECT_EQ(bytes_[at + 1], sizes[entry]);
    EXPECT_EQ(bytes_[at + 2], 16) << "colour count";
    EXPECT_EQ(Le16(bytes_, at + 4), 1u) << "planes";
    EXPECT_EQ(Le16(bytes_, at + 6), 4u) << "bits per pixel";
    // The pictures follow the directory back to back, to the end of the file.
    EXPECT_EQ(Le32(bytes_, at + 12), expectedOffset);
    const DibView picture = Picture(entry);
    EXPECT_EQ(picture.Width(), sizes[entry]);
    EXPECT_EQ(picture.HeaderHeight(), 2u * sizes[entry]) << "colour rows and mask rows";
    EXPECT_EQ(Le32(bytes_, at + 8), picture.TotalSize());
    EXPECT_EQ(picture.ImageSizeField(), picture.TotalSize() - 40 - 64);
    expectedOffset += picture.TotalSize();
  }
  EXPECT_EQ(expectedOffset, bytes_.size());
}

TEST_F(IconFile, SixFramedGreySquaresStandOnATransparentGround) {
  ASSERT_EQ(Le16(bytes_, 4), 2u);
  for (int entry = 0; entry < 2; ++entry) {
    const DibView picture = Picture(entry);
    const int size = picture.Width();
    SCOPED_TRACE(size);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        // Masked pixels must be black, or the mask would tint the ground instead.
        if (picture.Transparent(x, y)) {
          EXPECT_EQ(picture.Index(x, y), kBlack) << x << "," << y;
        }
      }
    }
    EXPECT_TRUE(picture.Transparent(0, 0));
    EXPECT_TRUE(picture.Transparent(size - 1, 0));
    EXPECT_TRUE(picture.Transparent(0, size - 1));
    EXPECT_TRUE(picture.Transparent(size - 1, size - 1));

    const auto shapes = OpaqueShapes(size, size, [&](int x, int y) { return !picture.Transparent(x, y); });
    ExpectTwoRowsOfThreeSquares(shapes);
    for (const Box& box : shapes) {
      for (int i = 0; i < box.Width(); ++i) {
        EXPECT_EQ(picture.Index(box.left + i, box.top), kBlack) << "frame, top";
        EXPECT_EQ(picture.Index(box.left + i, box.bottom), kBlack) << "frame, bottom";
        EXPECT_EQ(picture.Index(box.left, box.top + i), kBlack) << "frame, left";
        EXPECT_EQ(picture.Index(box.right, box.top + i), kBlack) << "frame, right";
      }
      const int centre = picture.Index((box.left + box.right) / 2, (box.top + box.bottom) / 2);
      EXPECT_TRUE(centre == kSilver || centre == kGrey) << "centre index " << centre;
      for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
          const int index = picture.Index(x, y);
          EXPECT_TRUE(index == kBlack || index == kSilver || index == kGrey || index == kWhite)
              << "a square is not in greys at " << x << "," << y << ": " << index;
        }
      }
    }
  }
}

}  // namespace
