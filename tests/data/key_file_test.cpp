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

struct CountCase {
  std::string bytes;
  int count;
};

TEST_F(KeyFileTest, ReadKeyFileCount_ParsesTheEightByteFieldLikeAtoi) {
  const CountCase cases[] = {
      {"5\0\0\0\0\0\0\0asdjk"s, 5},
      {"   12abc", 12},
      {"00000003klm", 3},
      {"-3      ", -3},
      {"+7\0\0\0\0\0\0"s, 7},
      {" \t\n\v\f\r4x", 4},  // every blank byte, and a CR with no LF after it
      {"abcdefgh", 0},
      {"+-5     ", 0},
      {"- 5     ", 0},
      {"\0\0\0\0\0\0\0\0"s, 0},
      {"12345678901", 12345678},  // eight digits fill the field; the ninth is a key
      {"       99", 9},           // the field ends after one digit
      {"42", 42},
      {"", 0},
  };
  for (const CountCase& c : cases) {
    const std::string path = Vts(c.bytes);
    EXPECT_EQ(ReadKeyFileCount(path), c.count) << testing::PrintToString(c.bytes);
    EXPECT_EQ(ReadKeyFile(path).count, c.count) << testing::PrintToString(c.bytes);
  }
}

struct KeysCase {
  std::string bytes;
  int count;
  std::string keys;
};

TEST_F(KeyFileTest, ReadKeyFile_TakesAtMostCountKeysUpToTheFirstNul) {
  const KeysCase cases[] = {
      {"5\0\0\0\0\0\0\0asdjk"s, 5, "asdjk"},
      {"00000003klm", 3, "klm"},
      {"5       AB", 5, "AB"},          // fewer keys than the count
      {"5       AB\0CD"s, 5, "AB"},     // a NUL ends the sequence, not the count
      {"2       ABCDEF", 2, "AB"},      // the rest is never read
      {"\0\0\0\0\0\0\0\0ABC"s, 0, ""},  // no digits
      {"-3      abc", -3, ""},
      {"7", 7, ""},                                 // short file
      {"3       \xE4\xFC\xDF", 3, "\xE4\xFC\xDF"},  // bytes above 0x7F are keys too
  };
  for (const KeysCase& c : cases) {
    const KeyFile file = ReadKeyFile(Vts(c.bytes));
    EXPECT_EQ(file.count, c.count) << testing::PrintToString(c.bytes);
    EXPECT_EQ(file.keys, c.keys) << testing::PrintToString(c.bytes);
  }
}

TEST_F(KeyFileTest, ReadKeyFile_ReadsAsTextModeOnEveryPlatform) {
  const KeysCase cases[] = {
      {"4       a\r\nbc", 4, "a\nbc"},  // CR LF reaches the reader as LF, counted once
      {"3       a\rb", 3, "a\rb"},      // a lone CR stays
      {"2       a\r", 2, "a\r"},        // also at the end of the file
      {"3       a\r\r\nb", 3, "a\r\n"},
      {"5       ab\x1A"
       "cd",
       5, "ab"},  // 0x1A ends the data
      {"1\x1A\0\0\0\0\0\0abc"s, 1, ""},
      // The field is eight translated bytes: the CR LF pair makes it reach into raw byte 8.
      {" \r\n    3xyzw", 3, "yzw"},
  };
  for (const KeysCase& c : cases) {
    const KeyFile file = ReadKeyFile(Vts(c.bytes));
    EXPECT_EQ(file.count, c.count) << testing::PrintToString(c.bytes);
    EXPECT_EQ(file.keys, c.keys) << testing::PrintToString(c.bytes);
  }
}

TEST_F(KeyFileTest, ReadKeyFile_JoinsCrLfPairsAnywhereInALongFile) {
  // One key before the pairs puts every CR at an odd offset, so whatever size of block the
  // file is read in, some pair straddles two blocks.
  std::string bytes = "10001   x";
  for (int i = 0; i < 10000; ++i) bytes += "\r\n";
  const KeyFile file = ReadKeyFile(Vts(bytes + "tail"));
  EXPECT_EQ(file.count, 10001);
  EXPECT_EQ(file.keys.size(), 10001u);
  EXPECT_EQ(file.keys.substr(0, 2), "x\n");
  EXPECT_EQ(file.keys.find_first_not_of('\n', 1), std::string::npos);
}

TEST_F(KeyFileTest, ReadKeyFile_EndMarkEndsTheDataFarIntoTheFile) {
  const std::string keys(9000, 'a');
  const KeyFile file = ReadKeyFile(Vts("20000   " + keys + "\x1A" + keys));
  EXPECT_EQ(file.count, 20000);
  EXPECT_EQ(file.keys.size(), keys.size());
}

TEST_F(KeyFileTest, ReadKeyFile_UnopenableFileReadsAsNoKeys) {
  for (const std::string& path : {dir.Path() + "missing.vts", dir.Path()}) {
    EXPECT_EQ(ReadKeyFileCount(path), 0) << path;
    const KeyFile file = ReadKeyFile(path);
    EXPECT_EQ(file.count, 0) << path;
    EXPECT_EQ(file.keys, "") << path;
  }
}

TEST_F(KeyFileTest, ReadKeyFile_OpensNonAsciiPaths) {
  const std::string path = dir.Write("Tasten \xE9\x8D\xB5 \xD0\xBA\xD0\xBB.vts", "2       qw");
  EXPECT_EQ(ReadKeyFileCount(path), 2);
  EXPECT_EQ(ReadKeyFile(path).keys, "qw");
}

TEST_F(KeyFileTest, ReadKeyFile_SeesTheFileAsItIsAtEachCall) {
  const std::string path = Vts("3       abc");
  EXPECT_EQ(ReadKeyFile(path).keys, "abc");
  Vts("2       xy");
  EXPECT_EQ(ReadKeyFile(path).keys, "xy");
  EXPECT_EQ(ReadKeyFileCount(path), 2);
}

}  // namespace
