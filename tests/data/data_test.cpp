#include <gtest/gtest.h>

#include <string>

#include "data/best_score_file.h"
#include "data/key_file.h"
#include "tests/support/temp_dir.h"

using namespace std::string_literals;

namespace {

TEST(StoredFiles, ARecordKeepsTheFillerAndNeverRunsPastTheField) {
  const struct {
    std::string stored;  // as on disk, perhaps shorter than the field
    int score;
    std::string shownBefore, written;
  } cases[] = {
      {"", 1, "", "1\0\0\0\0\0\0\0"s},
      {"12\0abcde"s, 345, "12", "345\0bcde"s},
      {"12345678xyz", 9, "12345678",
       "9\0"
       "345678"s},
      {"top dog", 10000000, "top dog", "10000000"},
      {"0", 123456789, "0", "99999999"},
      {" \t+7\0\0\0\0"s, -12345678, " \t+7", "-9999999"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const BestScoreField field = ReadBestScoreField(dir.Write("best.data", c.stored));
    EXPECT_EQ(BestScoreText(field), c.shownBefore);
    const BestScoreField record = WithScore(field, c.score);
    EXPECT_EQ(std::string(record.begin(), record.end()), c.written) << c.score;
  }
  // Files that cannot be read are empty.
  EXPECT_EQ(BestScoreValue(ReadBestScoreField(dir.Path() + "missing")), 0);
  EXPECT_EQ(ReadKeyFile(dir.Path()).count + ReadKeyFileCount(dir.Path() + "missing"), 0);
}

}  // namespace
