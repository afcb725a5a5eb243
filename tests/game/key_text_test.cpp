#include <gtest/gtest.h>

#include <string>

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
  ClassicRand high(0xFFFFFFFFu);
  EXPECT_EQ(high.Next(), 15929);
}

TEST(KeyText, KeyBytesBecomeTheirAsciiOrLatin1Characters) {
  EXPECT_EQ(KeyText('a'), "a");
  EXPECT_EQ(KeyText('1'), "1");
  EXPECT_EQ(KeyText(0xE9), "\xC3\xA9");  // é
  EXPECT_EQ(KeyText(0xA3), "\xC2\xA3");  // £
  EXPECT_EQ(KeyText(0xFF), "\xC3\xBF");  // ÿ
  EXPECT_EQ(KeyText(0x80), "\xC2\x80");
}

TEST(UpperText, UpperCasesAsciiAndLatin1LettersAndNothingElse) {
  EXPECT_EQ(UpperText("asdjkl"), "ASDJKL");
  EXPECT_EQ(UpperText("a b*1z"), "A B*1Z");
  EXPECT_EQ(UpperText("\xC3\xA0\xC3\xA9\xC3\xBE"), "\xC3\x80\xC3\x89\xC3\x9E");  // àéþ
  // ß and ÿ have no upper-case form in Latin-1; ÷ and µ are no such letters.
  for (const std::string kept : {"\xC3\x9F", "\xC3\xBF", "\xC3\xB7", "\xC2\xB5"}) {
    EXPECT_EQ(UpperText(kept), kept);
  }
  // Letters outside Latin-1 stay, so they can never become a key.
  EXPECT_EQ(UpperText("\xD0\xB6"), "\xD0\xB6");  // Cyrillic zhe
  EXPECT_EQ(UpperText("\xE2\x82\xAC"
                      "a"),
            "\xE2\x82\xAC"
            "A");  // € then a
}

TEST(UpperText, KeysAndTypedTextMeetInTheSameForm) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string key = UpperText(KeyText(static_cast<unsigned char>(byte)));
    EXPECT_EQ(UpperText(key), key) << byte;
  }
  EXPECT_EQ(UpperText(KeyText(0xE9)), UpperText("\xC3\xA9"));
  EXPECT_EQ(UpperText(KeyText(0xC9)), UpperText("\xC3\xA9"));
  // Ÿ (U+0178) is the upper case of ÿ, but no key byte stands for it.
  EXPECT_NE(UpperText(KeyText(0xFF)), UpperText("\xC5\xB8"));
}

TEST(FirstCharacter, TakesOneWholeUtf8Character) {
  EXPECT_EQ(FirstCharacter(""), "");
  EXPECT_EQ(FirstCharacter("A*"), "A");
  EXPECT_EQ(FirstCharacter("\xC3\x89*"), "\xC3\x89");
  EXPECT_EQ(FirstCharacter("\xE2\x82\xAC!"), "\xE2\x82\xAC");
  EXPECT_EQ(FirstCharacter("\xF0\x9F\x98\x80x"), "\xF0\x9F\x98\x80");
  EXPECT_EQ(FirstCharacter("\x80x"), "\x80");
}

}  // namespace
