// The help dialog's picture of the six keys, read byte by byte from the .bmp.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

#include "tests/resources/dib_view.h"
#include "tests/resources/file_bytes.h"

namespace {

constexpr std::size_t kPixelsAt = 14 + 40 + 64;

class HelpBitmap : public ::testing::Test {
 protected:
  const Bytes bytes_ = ReadFileBytes(QUELLABOX_TEST_HELP_BITMAP_FILE);
  const DibView picture_{bytes_, 14, false};

  // The columns any key (cap or shadow) covers, as [first, last] runs left to right.
  std::vector<std::array<int, 2>> KeyColumns() const {
    std::vector<std::array<int, 2>> runs;
    bool inKey = false;
    for (int x = 0; x < picture_.Width(); ++x) {
      bool inked = false;
      for (int y = 0; y < picture_.Height(); ++y) inked = inked || picture_.Index(x, y) != kWhite;
      if (inked && !inKey) runs.push_back({x, x});
      if (inked) runs.back()[1] = x;
      inKey = inked;
    }
    return runs;
  }
};

TEST_F(HelpBitmap, HeaderDescribesA574By107UncompressedFourBitPicture) {
  ASSERT_GE(bytes_.size(), kPixelsAt);
  EXPECT_EQ(Tag(bytes_, 0, 2), "BM");
  EXPECT_EQ(Le32(bytes_, 2), bytes_.size()) << "file size field";
  EXPECT_EQ(Le32(bytes_, 10), kPixelsAt) << "pixels follow header and palette";
  EXPECT_EQ(picture_.Width(), 574);
  EXPECT_EQ(picture_.HeaderHeight(), 107u) << "positive: rows stored bottom-up";
  // 574 pixels at 4 bits are 287 bytes, padded to a whole number of 32-bit words.
  EXPECT_EQ(picture_.ImageSizeField(), 288u * 107u);
  EXPECT_EQ(bytes_.size(), kPixelsAt + 288u * 107u);
}

TEST_F(HelpBitmap, MostlyWhiteWithKeysInGreysAndBlackOnly) {
  ASSERT_EQ(bytes_.size(), kPixelsAt + 288u * 107u);
  std::array<int, 16> counts{};
  for (int y = 0; y < picture_.Height(); ++y) {
    for (int x = 0; x < picture_.Width(); ++x) ++counts[static_cast<std::size_t>(picture_.Index(x, y))];
  }
  const int all = picture_.Width() * picture_.Height();
  EXPECT_GT(counts[kWhite], all / 2);
  EXPECT_GT(counts[kSilver] + counts[kGrey], all / 5) << "the caps are grey";
  EXPECT_GT(counts[kBlack], all / 20) << "shadows, outlines and letters";
  EXPECT_EQ(counts[kWhite] + counts[kSilver] + counts[kGrey] + counts[kBlack], all)
      << "colours other than white, greys and black";
}

TEST_F(HelpBitmap, SixShadowedKeysInTwoGroupsOfThree) {
  ASSERT_EQ(bytes_.size(), kPixelsAt + 288u * 107u);
  const auto keys = KeyColumns();
  ASSERT_EQ(keys.size(), 6u);
  std::vector<int> gaps;
  for (std::size_t i = 1; i < keys.size(); ++i) gaps.push_back(keys[i][0] - keys[i - 1][1]);
  for (std::size_t i : {0, 1, 3, 4}) {
    EXPECT_GT(gaps[2], 2 * gaps[i]) << "the gap between the hands is not wider than gap " << i;
  }
  EXPECT_EQ(gaps[0], gaps[1]);
  EXPECT_EQ(gaps[3], gaps[4]);

  for (const auto& [left, right] : keys) {
    SCOPED_TRACE(left);
    int bottom = 0;
    for (int y = 0; y < picture_.Height(); ++y) {
      for (int x = left; x <= right; ++x) {
        if (picture_.Index(x, y) != kWhite) bottom = y;
      }
    }
    // Below and right of the cap lies only its black shadow, which starts a few pixels in.
    EXPECT_EQ(picture_.Index(left, bottom), kWhite);
    EXPECT_EQ(picture_.Index(right, bottom), kBlack);
    for (int x = left; x <= right; ++x) {
      const int index = picture_.Index(x, bottom);
      EXPECT_TRUE(index == kWhite || index == kBlack) << "shadow row at " << x;
    }
    int greys = 0;
    for (int y = 0; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        const int index = picture_.Index(x, y);
        greys += index == kSilver || index == kGrey;
      }
    }
    EXPECT_GT(greys, (right - left + 1) * (bottom + 1) / 3) << "the cap is not mostly grey";
  }
}

TEST_F(HelpBitmap, EachKeyCarriesItsOwnLetter) {
  ASSERT_EQ(bytes_.size(), kPixelsAt + 288u * 107u);
  const auto keys = KeyColumns();
  ASSERT_EQ(keys.size(), 6u);
  // The black pixels in the middle half of each key, where its letter stands.
  std::vector<std::vector<bool>> letters;
  for (const auto& [left, right] : keys) {
    int top = picture_.Height();
    int bottom = 0;
    for (int y = 0; y < picture_.Height(); ++y) {
      for (int x = left; x <= right; ++x) {
        if (picture_.Index(x, y) == kWhite) continue;
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    const int quarterW = (right - left + 1) / 4;
    const int quarterH = (bottom - top + 1) / 4;
    std::vector<bool> ink;
    int inked = 0;
    for (int y = top + quarterH; y <= bottom - quarterH; ++y) {
      for (int x = left + quarterW; x <= right - quarterW; ++x) {
        ink.push_back(picture_.Index(x, y) == kBlack);
        inked += ink.back();
      }
    }
    EXPECT_GT(inked, static_cast<int>(ink.size()) / 10) << "no letter on the key at " << left;
    letters.push_back(ink);
  }
  for (std::size_t a = 0; a < letters.size(); ++a) {
    for (std::size_t b = a + 1; b < letters.size(); ++b) {
      EXPECT_NE(letters[a], letters[b]) << "keys " << a << " and " << b << " show the same letter";
    }
  }
}

}  // namespace
