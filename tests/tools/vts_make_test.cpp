#include <gtest/gtest.h>

#include "data/key_file.h"
#include "tests/support/temp_dir.h"
#include "tools/vts_make_info.h"
#include "tools/vts_make_keys.h"

using namespace std::string_literals;

namespace {

TEST(VtsMake, WritesWhatTheGameReadsBackRefusesTheRestAndWarnsOfFilesMadeElsewhere) {
  TempDir dir;
  for (const std::string& keys : {"asdfjkl;"s, "é1 "s, std::string(20, 'x')}) {
    const MadeKeyFile made = MakeKeyFile(keys);
    const KeyFile read = ReadKeyFile(dir.Write("k.vts", made.bytes));
    EXPECT_EQ(read.count, int(made.count)) << keys;
    EXPECT_EQ(read.keys, keys == "é1 " ? "\xE9"
                                         "1 "
                                       : keys);
  }
  for (const std::string& keys : {"a\r\nb"s, "a\x1A"s, "a\0b"s, "Ÿ"s, ""s}) {
    EXPECT_NE(MakeKeyFile(keys).refusal, "") << keys;
  }
  // --info tells what the game reads otherwise: a count above the keys, and a 0x1A.
  const std::optional<KeyFileInfo> info = DescribeKeyFile(dir.Write("k.vts", "3       ab\x1A\x63"));
  EXPECT_EQ(info->keys, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(info->warnings.size(), 2u);
}

}  // namespace
