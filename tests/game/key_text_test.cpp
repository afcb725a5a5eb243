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
  EXPECT_EQ(KeyText(0xE9), "é");
  // ß and ÿ have no upper case in Latin-1, ÷ and µ are no such letters, and letters
  // outside Latin-1 stay, so they can never become a key.
  const std::pair<const char*, const char*> upper[] = {
      {"a b*1z", "A B*1Z"}, {"àéþ", "ÀÉÞ"}, {"ßÿ÷µ", "ßÿ÷µ"}, {"ж€a", "ж€A"}};
  for (const auto& [text, expected] : upper) EXPECT_EQ(UpperText(text), expected) << text;
  for (int byte = 1; byte < 256; ++byte) {
    const std::string key = UpperText(KeyText(static_cast<unsigned char>(byte)));
    EXPECT_EQ(UpperText(key), key) << byte;
  }
  EXPECT_EQ(UpperText(KeyText(0xC9)), UpperText("é"));
  EXPECT_NE(UpperText(KeyText(0xFF)), UpperText("Ÿ"));  // no key byte stands for Ÿ
}

}  // namespace
