#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "game/classic_rand.h"
#include "game/key_text.h"

namespace {

TEST(ClassicRand, FollowsTheClassicSequenceForAGivenSeed) {
  // The first values of the classic example generator seeded with 1, and the wrap of the
  // 32-bit state for a seed near the top of its range.
  ClassicRand one(1);
  EXPECT_EQ(one.Next(), 16838);
  EXPECT_EQ(one.Next(), 5758);
  EXPECT_EQ(one.Next(), 10113);
  EXPECT_EQ(ClassicRand(0xFFFFFFFFu).Next(), 15929);
}

TEST(KeyText, KeyBytesAndTypedTextMeetInOneUpperCaseForm) {
  EXPECT_EQ(KeyText(0xE9), "\xC3\xA9");  // é
  const std::pair<const char*, const char*> upper[] = {
      {"a b*1z", "A B*1Z"},
      {"\xC3\xA0\xC3\xA9\xC3\xBE", "\xC3\x80\xC3\x89\xC3\x9E"},  // àéþ
      // ß and ÿ have no upper-case form in Latin-1; ÷ and µ are no such letters.
      {"\xC3\x9F\xC3\xBF\xC3\xB7\xC2\xB5", "\xC3\x9F\xC3\xBF\xC3\xB7\xC2\xB5"},
      // Letters outside Latin-1 stay, so they can never become a key.
      {"\xD0\xB6\xE2\x82\xAC"
       "a",
       "\xD0\xB6\xE2\x82\xAC"
       "A"},  // Cyrillic zhe, €, a
  };
  for (const auto& [text, expected] : upper) EXPECT_EQ(UpperText(text), expected) << text;
  for (int byte = 1; byte < 256; ++byte) {
    const std::string key = UpperText(KeyText(static_cast<unsigned char>(byte)));
    EXPECT_EQ(UpperText(key), key) << byte;
  }
  EXPECT_EQ(UpperText(KeyText(0xC9)), UpperText("\xC3\xA9"));
  EXPECT_NE(UpperText(KeyText(0xFF)), UpperText("\xC5\xB8"));  // Ÿ is no key
}

}  // namespace
