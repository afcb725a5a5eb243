// The help dialog's picture of the six keys: its header byte by byte, what it shows as Qt
// loads it.
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "tests/resources/resource_bytes.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kSilver = qRgb(0xC0, 0xC0, 0xC0);
const QRgb kGrey = qRgb(0x80, 0x80, 0x80);
const QRgb kBlack = qRgb(0, 0, 0);

TEST(HelpBitmap, IsA574By107UncompressedFourBitBmpInTheVgaPalette) {
  const std::string bytes = ReadBytes(QUELLABOX_TEST_HELP_BITMAP_FILE);
  // 574 pixels at 4 bits are 287 bytes, padded to a whole number of 32-bit words.
  const std::uint32_t rows = 288 * 107;
  ASSERT_EQ(bytes.size(), 14 + 40 + 64 + rows);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(Le(bytes, 2, 4), bytes.size()) << "file size";
  EXPECT_EQ(Le(bytes, 10, 4), 14u + 40 + 64) << "the pixels follow header and palette";
  ExpectFourBitDib(bytes, 14, 574, 107, rows);
}

class HelpPicture : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(image.size(), QSize(574, 107)); }
  QRgb At(int x, int y) const { return image.pixel(x, y); }

  const QImage image{QStringLiteral(QUELLABOX_TEST_HELP_BITMAP_FILE)};
};

TEST_F(HelpPicture, IsMostlyWhiteWithKeysInGreysAndBlackOnly) {
  int white = 0, greys = 0, black = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = At(x, y);
      white += pixel == kWhite;
      greys += pixel == kSilver || pixel == kGrey;
      black += pixel == kBlack;
    }
  }
  const int all = image.width() * image.height();
  EXPECT_GT(white, all / 2);
  EXPECT_GT(greys, all / 5) << "the caps are grey";
  EXPECT_GT(black, all / 20) << "shadows, outlines and letters";
  EXPECT_EQ(white + greys + black, all) << "colours other than white, greys and black";
}

TEST_F(HelpPicture, ShowsSixLetteredGreyCapsWithBlackShadowsInTwoGroupsOfThree) {
  // The columns any key (cap or shadow) covers, as [first, last] runs left to right.
  std::vector<std::pair<int, int>> keys;
  bool inKey = false;
  for (int x = 0; x < image.width(); ++x) {
    bool inked = false;
    for (int y = 0; y < image.height(); ++y) inked = inked || At(x, y) != kWhite;
    if (inked && !inKey) keys.push_back({x, x});
    if (inked) keys.back().second = x;
    inKey = inked;
  }
  ASSERT_EQ(keys.size(), 6u);
  std::vector<int> gaps;
  for (std::size_t i = 1; i < keys.size(); ++i) gaps.push_back(keys[i].first - keys[i - 1].second);
  for (std::size_t i : {0, 1, 3, 4}) {
    EXPECT_GT(gaps[2], 2 * gaps[i]) << "the gap between the hands is not wider than gap " << i;
  }
  EXPECT_EQ(gaps[0], gaps[1]);
  EXPECT_EQ(gaps[3], gaps[4]);

  std::set<std::vector<bool>> letters;
  for (const auto& [left, right] : keys) {
    SCOPED_TRACE(left);
    int top = image.height(), bottom = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = left; x <= right; ++x) {
        if (At(x, y) != kWhite) top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    // Below and right of the cap lies only its black shadow, which starts a few pixels in.
    EXPECT_EQ(At(left, bottom), kWhite);
    EXPECT_EQ(At(right, bottom), kBlack);
    const int width = right - left + 1, height = bottom - top + 1;
    int greys = 0, ink = 0;
    std::vector<bool> letter;  // the middle half, where the key's letter stands
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const QRgb pixel = At(x, y);
        greys += pixel == kSilver || pixel == kGrey;
        EXPECT_TRUE(y < bottom || pixel == kWhite || pixel == kBlack) << "shadow row at " << x;
        if (std::abs(2 * (x - left) - width) < width / 2 &&
            std::abs(2 * (y - top) - height) < height / 2) {
          letter.push_back(pixel == kBlack);
          ink += pixel == kBlack;
        }
      }
    }
    EXPECT_GT(greys, width * height / 3) << "the cap is not mostly grey";
    EXPECT_GT(ink, static_cast<int>(letter.size()) / 10) << "no letter on the key";
    letters.insert(letter);
  }
  EXPECT_EQ(letters.size(), 6u) << "two keys show the same letter";
}

}  // namespace
