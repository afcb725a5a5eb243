#include <gtest/gtest.h>

#include <string>

#include "data/key_file.h"
#include "tests/support/temp_dir.h"
#include "tools/vts_make_keys.h"

using namespace std::string_literals;

namespace {

struct WrittenCase {
  std::string asked;  // UTF-8, as typed on a command line
  std::string keys;   // the key bytes the game must read
};

TEST(MakeKeyFile, WhatItWritesReadsBackThroughTheGameReader) {
  const WrittenCase cases[] = {
      {"asdfjkl;", "asdfjkl;"},
      {"a", "a"},
      {"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxyz"},
      {"\xC3\xA9t\xC3\xA9", "\xE9t\xE9"},                // é as one Latin-1 key byte
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},                  // the first and the last byte above 0x7F
      {"a\rb", "a\rb"},                                  // a CR with no LF after it
      {"ab\r", "ab\r"},                                  // and one that ends the file
      {"a\nb c\t\x7F", "a\nb c\t\x7F"},                  // blanks and controls are keys too
      {std::string(5000, 'k'), std::string(5000, 'k')},  // beyond one read block
  };
  TempDir dir;
  for (const WrittenCase& c : cases) {
    const MadeKeyFile made = MakeKeyFile(c.asked);
    ASSERT_EQ(made.refusal, "") << testing::PrintToString(c.asked);
    EXPECT_EQ(made.count, c.keys.size());
    const KeyFile read = ReadKeyFile(dir.Write("made.vts", made.bytes));
    EXPECT_EQ(read.count, static_cast<int>(c.keys.size())) << testing::PrintToString(c.asked);
    EXPECT_EQ(read.keys, c.keys) << testing::PrintToString(c.asked);
  }
}

TEST(MakeKeyFile, CountFieldIsTheDecimalCountLeftAlignedAndPaddedWithNul) {
  EXPECT_EQ(MakeKeyFile("asdfjkl;").bytes, "8\0\0\0\0\0\0\0asdfjkl;"s);
  EXPECT_EQ(MakeKeyFile(std::string(153, 'j')).bytes.substr(0, 8), "153\0\0\0\0\0"s);
  EXPECT_EQ(MakeKeyFile(std::string(12345, 'j')).bytes.substr(0, 8), "12345\0\0\0"s);
}

struct RefusedCase {
  std::string asked;
  std::string why;
};

TEST(MakeKeyFile, RefusesKeysTheGameWouldReadOtherwise) {
  const RefusedCase cases[] = {
      {"as\r\ndf", "keys 3 and 4 are CR LF, which the game reads as a single LF"},
      {"\r\n", "keys 1 and 2 are CR LF"},
      {"asd\x1A", "key 4 is the byte 0x1A, which ends the file"},
      {"a\0b"s, "key 2 is a NUL byte, which ends the sequence"},
      {"", "no keys given"},
      {"a\xE2\x82\xAC", "key 2 (bytes E2 82 AC) is no Latin-1 character"},  // €
      {"\xC3\xA9\xE9", "key 2 (bytes E9) is no Latin-1 character"},         // not UTF-8
      {"ab\xC3", "key 3 (bytes C3) is no Latin-1 character"},               // cut short
  };
  for (const RefusedCase& c : cases) {
    const MadeKeyFile made = MakeKeyFile(c.asked);
    EXPECT_NE(made.refusal.find(c.why), std::string::npos)
        << testing::PrintToString(c.asked) << " gave: " << made.refusal;
    EXPECT_EQ(made.bytes, "") << testing::PrintToString(c.asked);
  }
}

}  // namespace
