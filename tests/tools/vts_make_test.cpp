#include <gtest/gtest.h>

#include "data/key_file.h"
#include "tests/support/temp_dir.h"
#include "tools/vts_make_info.h"
#include "tools/vts_make_keys.h"

using namespace std::string_literals;

namespace {

TEST(VtsMake, WhatItWritesTheGameReadsBackAndWhatItCannotItRefuses) {
  TempDir dir;
  for (const std::string keys : {"asdfjkl;"s, "é1 "s, std::string(20, 'x')}) {
    const MadeKeyFile made = MakeKeyFile(keys);
    ASSERT_EQ(made.refusal, "") << keys;
    const KeyFile read = ReadKeyFile(dir.Write("k.vts", made.bytes));
    EXPECT_EQ(read.count, int(made.count)) << keys;
    EXPECT_EQ(read.keys, keys == "é1 " ? "\xE9"
                                         "1 "
                                       : keys);
  }
  for (const std::string keys : {"a\r\nb"s, "a\x1A"s, "a\0b"s, "Ÿ"s, ""s}) {
    EXPECT_NE(MakeKeyFile(keys).refusal, "") << keys;
  }
}

TEST(VtsMake, InfoShowsTheKeysAsPlayedAndWarnsWhereTheFileLooksOtherwise) {
  TempDir dir;
  const struct {
    std::string bytes;
    std::vector<std::string> keys;
    std::size_t warnings;
  } cases[] = {
      {"3       abc", {"A", "B", "C"}, 0},
      {"5       a\0cd"s, {"A"}, 1},
      {"3       a\r\nbc", {"A", "LF", "B"}, 1},
      {"3       ab\x1A"
       "c",
       {"A", "B"},
       2},
      {"2       ab\r\n\x1A\0"s, {"A", "B"}, 0},  // nothing past the last key counts
  };
  for (const auto& c : cases) {
    const std::optional<KeyFileInfo> info = DescribeKeyFile(dir.Write("k.vts", c.bytes));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->keys, c.keys) << testing::PrintToString(c.bytes);
    EXPECT_EQ(info->warnings.size(), c.warnings) << testing::PrintToString(c.bytes);
  }
  EXPECT_FALSE(DescribeKeyFile(dir.Path() + "missing.vts"));
}

}  // namespace
