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
  // The keys as the game shows them, and how many warnings a file made elsewhere gets.
  const std::pair<std::string, std::size_t> files[] = {{"3       abc", 0},
                                                       {"5       a\0cd"s, 1},
                                                       {"3       ab\x1A"
                                                        "c",
                                                        2}};
  for (const auto& [bytes, warnings] : files) {
    const std::optional<KeyFileInfo> info = DescribeKeyFile(dir.Write("k.vts", bytes));
    EXPECT_EQ(info->keys.at(0), "A");
    EXPECT_EQ(info->warnings.size(), warnings) << testing::PrintToString(bytes);
  }
}

}  // namespace
