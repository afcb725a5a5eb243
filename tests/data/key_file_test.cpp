#include <gtest/gtest.h>

#include <string>

#include "data/key_file.h"
#include "tests/support/temp_dir.h"

using namespace std::string_literals;

namespace {

class KeyFileTest : public testing::Test {
 protected:
  std::string Vts(const std::string& bytes) { return dir.Write("keys.vts", bytes); }

  TempDir dir;
};

TEST_F(KeyFileTest, TheCountIsTheEightByteFieldReadLikeAtoi) {
  const std::pair<std::string, int> cases[] = {
      {"   12abc", 12},
      {"+7\0\0\0\0\0\0"s, 7},
      {" \t\n\v\f\r4x", 4},  // every blank byte, and a CR with no LF after it
      {"abcdefgh", 0},
      {"+-5     ", 0},
      {"12345678901", 12345678},  // eight digits fill the field; the ninth is a key
      {"       99", 9},           // the field ends after one digit
      {"42", 42},                 // a short file
      {"", 0},
  };
  for (const auto& [bytes, count] : cases) {
    const std::string path = Vts(bytes);
    EXPECT_EQ(ReadKeyFileCount(path), count) << testing::PrintToString(bytes);
    EXPECT_EQ(ReadKeyFile(path).count, count) << testing::PrintToString(bytes);
  }
}

TEST_F(KeyFileTest, KeysAreAtMostCountBytesUpToANulOrTheEndMarkReadAsText) {
  const struct {
    std::string bytes;
    int count;
    std::string keys;
  } cases[] = {
      {"5\0\0\0\0\0\0\0asdjk"s, 5, "asdjk"},
      {"00000003klm", 3, "klm"},
      {"5       AB", 5, "AB"},          // fewer keys than the count
      {"5       AB\0CD"s, 5, "AB"},     // a NUL ends the sequence, not the count
      {"2       ABCDEF", 2, "AB"},      // the rest is never read
      {"\0\0\0\0\0\0\0\0ABC"s, 0, ""},  // no digits
      {"-3      abc", -3, ""},
      {"3       \xE4\xFC\xDF", 3, "\xE4\xFC\xDF"},  // bytes above 0x7F are keys too
      {"4       a\r\nbc", 4, "a\nbc"},              // CR LF reaches the reader as LF
      {"3       a\rb", 3, "a\rb"},                  // a lone CR stays
      {"2       a\r", 2, "a\r"},                    // also at the end of the file
      {"3       a\r\r\nb", 3, "a\r\n"},
      {"5       ab\x1A"
       "cd",
       5, "ab"},  // 0x1A ends the data
      {"1\x1A\0\0\0\0\0\0abc"s, 1, ""},
      // The field is eight translated bytes: the CR LF pair makes it reach into raw byte 8.
      {" \r\n    3xyzw", 3, "yzw"},
  };
  for (const auto& c : cases) {
    const KeyFile file = ReadKeyFile(Vts(c.bytes));
    EXPECT_EQ(file.count, c.count) << testing::PrintToString(c.bytes);
    EXPECT_EQ(file.keys, c.keys) << testing::PrintToString(c.bytes);
  }
}

TEST_F(KeyFileTest, CrLfPairsJoinAndTheEndMarkEndsTheDataAnywhereInALongFile) {
  // One key before the pairs puts every CR at an odd offset, so whatever size of block the
  // file is read in, some pair straddles two blocks.
  std::string bytes = "10001   x";
  for (int i = 0; i < 10000; ++i) bytes += "\r\n";
  KeyFile file = ReadKeyFile(Vts(bytes + "tail"));
  EXPECT_EQ(file.keys, "x" + std::string(10000, '\n'));

  const std::string keys(9000, 'a');
  file = ReadKeyFile(Vts("20000   " + keys + "\x1A" + keys));
  EXPECT_EQ(file.count, 20000);
  EXPECT_EQ(file.keys, keys);
}

TEST_F(KeyFileTest, AFileThatCannotBeOpenedHasNoKeysAndNonAsciiPathsOpen) {
  for (const std::string& path : {dir.Path() + "missing.vts", dir.Path()}) {
    EXPECT_EQ(ReadKeyFileCount(path), 0) << path;
    EXPECT_EQ(ReadKeyFile(path).count, 0) << path;
    EXPECT_EQ(ReadKeyFile(path).keys, "") << path;
  }
  const std::string path = dir.Write("Tasten \xE9\x8D\xB5 \xD0\xBA\xD0\xBB.vts", "2       qw");
  EXPECT_EQ(ReadKeyFileCount(path), 2);
  EXPECT_EQ(ReadKeyFile(path).keys, "qw");
}

}  // namespace
