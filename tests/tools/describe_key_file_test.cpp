#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_dir.h"
#include "tools/vts_make_info.h"

using namespace std::string_literals;
using Texts = std::vector<std::string>;

namespace {

class DescribeKeyFileTest : public testing::Test {
 protected:
  KeyFileInfo Describe(const std::string& bytes) {
    const std::optional<KeyFileInfo> info = DescribeKeyFile(dir.Write("keys.vts", bytes));
    EXPECT_TRUE(info.has_value());
    return info.value_or(KeyFileInfo{});
  }

  TempDir dir;
};

TEST_F(DescribeKeyFileTest, ShowsTheKeysUpperCasedAsTheGameShowsThem) {
  const KeyFileInfo info = Describe("6\0\0\0\0\0\0\0as;\xE9\xFF\xD7"s);
  EXPECT_EQ(info.count, 6);
  // é becomes É; ÿ has no upper-case form in Latin-1 and × is no letter.
  EXPECT_EQ(info.keys, (Texts{"A", "S", ";", "\xC3\x89", "\xC3\xBF", "\xC3\x97"}));
  EXPECT_EQ(info.warnings, Texts{});
}

TEST_F(DescribeKeyFileTest, NamesTheKeysThatShowNothingVisible) {
  const KeyFileInfo info = Describe("7       \t\n\r\x01\x7F\xA0"s + " ");
  EXPECT_EQ(info.keys, (Texts{"Tab", "LF", "CR", "0x01", "0x7F", "0xA0", "Space"}));
  EXPECT_EQ(info.warnings, Texts{});
}

struct WarningCase {
  std::string bytes;
  Texts keys;
  Texts warnings;
};

TEST_F(DescribeKeyFileTest, WarnsWhereTheGameReadsOtherwiseThanTheFileLooks) {
  const WarningCase cases[] = {
      {"5       ab", {"A", "B"}, {"the count is 5 but the game gets 2 keys"}},
      {"5       a\0cd"s,
       {"A"},
       {"the count is 5 but the game gets 1 key: a NUL byte after them ends the sequence"}},
      {"-3      abc", {}, {"the count is -3, so the game plays no keys"}},
      {"keys: ab", {}, {"the count is 0, so the game plays no keys"}},
      {"3       a\r\nbc",
       {"A", "LF", "B"},
       {"1 CR LF pair read as one LF each, the first at byte 9, at key 2"}},
      {"4       \r\n\r\nab\r\n\r\n",
       {"LF", "LF", "A", "B"},
       {"2 CR LF pairs read as one LF each, the first at byte 8, at key 1"}},
      // The pair shortens the field by a byte, so the first key becomes part of it.
      {"3\r\n     abc",
       {"B", "C"},
       {"the count is 3 but the game gets 2 keys",
        "1 CR LF pair read as one LF each, the first at byte 1, in the count field"}},
      {"3       ab\x1A"
       "c",
       {"A", "B"},
       {"the count is 3 but the game gets 2 keys",
        "the byte 0x1A at byte 10 ends the file for the game, at key 3"}},
      {"2\x1A"
       "      ab",
       {},
       {"the count is 2 but the game gets 0 keys",
        "the byte 0x1A at byte 1 ends the file for the game, in the count field"}},
      // Past the last key the game reads nothing, so nothing there changes a game.
      {"2       ab\r\n\x1A\0"s, {"A", "B"}, {}},
  };
  for (const WarningCase& c : cases) {
    const KeyFileInfo info = Describe(c.bytes);
    EXPECT_EQ(info.keys, c.keys) << testing::PrintToString(c.bytes);
    EXPECT_EQ(info.warnings, c.warnings) << testing::PrintToString(c.bytes);
  }
}

TEST(DescribeKeyFile, IsNothingForAFileThatCannotBeRead) {
  TempDir dir;
  EXPECT_FALSE(DescribeKeyFile(dir.Path() + "missing.vts").has_value());
}

}  // namespace
