// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "data/best_score_file.h"
#include "data/key_file.h"
#include "data/key_file_writer.h"
#include "tests/support/temp_dir.h"
#include "vts_make/key_file_info.h"

using namespace std::string_literals;

namespace {

TEST(StoredFiles, RecordsKeepTheFillerAndKeyFilesReadAsTextAcrossBlocks) {
  const std::tuple<std::string, int, std::string> records[] = {
      {"", 1, "1\0\0\0\0\0\0\0"s},
      {"12\0abcde"s, 345, "345\0bcde"s},
      {"top dog", 10000000, "10000000"},
      {"0", 123456789, "99999999"},
      {"12345678xyz", -12345678, "-9999999"},
  };
  TempDir dir;
  for (const auto& [stored, score, written] : records) {
    const BestScoreField record = WithScore(ReadBestScoreField(dir.Write("b", stored)), score);
    EXPECT_EQ(std::string(record.begin(), record.end()), written) << score;
  }
  // A CR LF pair across the reader's 4 KiB blocks still joins, and 0x1A ends the data there.
  const std::string keys(4087, 'k');
  EXPECT_EQ(ReadKeyFile(dir.Write("k", "99999999" + keys + "\r\nx\x1Ay")).keys, keys + "\nx");
  // Files that cannot be read are empty.
  EXPECT_EQ(BestScoreValue(ReadBestScoreField(dir.Path() + "missing")), 0);
  EXPECT_EQ(ReadKeyFile(dir.Path()).count + ReadKeyFileCount(dir.Path() + "missing"), 0);
}

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
  // --info warns where the game reads otherwise: a count above the keys, and a 0x1A.
  EXPECT_EQ(DescribeKeyFile(dir.Write("k.vts", "3       ab\x1A\x63"))->warnings.size(), 2u);
}

}  // namespace
