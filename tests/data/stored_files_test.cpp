// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

#include "data/best_score_file.h"
#include "data/key_bytes.h"
#include "data/key_file.h"
#include "data/key_file_writer.h"
#include "tests/support/temp_dir.h"

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

// Row by row, the key bytes no player can finish and the names --info gives them (none: the
// byte's value); every other byte is playable.
TEST(KeyBytes, APlayerCanFinishEveryKeyButControlCharactersANoBreakSpaceAndASoftHyphen) {
  const std::tuple<int, int, std::string> unplayable[] = {
      {0x00, 0x00, "NUL"}, {0x01, 0x08, ""},   {0x09, 0x09, "Tab"}, {0x0A, 0x0A, "LF"},
      {0x0B, 0x0C, ""},    {0x0D, 0x0D, "CR"}, {0x0E, 0x1A, ""},    {0x1B, 0x1B, "Esc"},
      {0x1C, 0x1F, ""},    {0x7F, 0x9F, ""},   {0xA0, 0xA0, ""},    {0xAD, 0xAD, ""},
  };
  for (int byte = 0; byte <= 0xFF; ++byte) {
    const std::optional<UnplayableKey> found = FindUnplayableKey(static_cast<unsigned char>(byte));
    const auto row = std::find_if(std::begin(unplayable), std::end(unplayable), [&](auto& row) {
      return std::get<0>(row) <= byte && byte <= std::get<1>(row);
    });
    ASSERT_EQ(found.has_value(), row != std::end(unplayable)) << byte;
    if (!found) continue;
    char value[5];
    std::snprintf(value, sizeof value, "0x%02X", byte);
    EXPECT_EQ(found->name, std::get<2>(*row).empty() ? value : std::get<2>(*row));
  }
}

TEST(VtsMake, WritesWhatTheGameReadsBackAndRefusesTheRest) {
  TempDir dir;
  const std::pair<std::string, std::string> read[] = {{"é1 ", "\xE9\x31 "},
                                                      {std::string(20, 'x'), std::string(20, 'x')}};
  for (const auto& [keys, game] : read) {
    const KeyFile file = ReadKeyFile(dir.Write("k.vts", MakeKeyFile(keys).bytes));
    EXPECT_EQ(std::pair(file.count, file.keys), std::pair(int(game.size()), game)) << keys;
  }
  const std::pair<std::string, std::string> refused[] = {
      {"éa\x1A", "key 3 is the byte 0x1A, which ends the file"},
      {"ab\u00A0",
       "key 3 is the byte 0xA0, a no-break space, which looks like a blank, but a typed space "
       "misses it"},
      {"Ÿ", "key 1 (bytes C5 B8) is no Latin-1 character, and the game reads one per key byte"},
      {"ab\xE2\x82", "key 3 (byte 3 of the keys, 0xE2) is no UTF-8 character"},    // cut short
      {"\xC0\xA1", "key 1 (byte 1 of the keys, 0xC0) is no UTF-8 character"},      // overlong
      {"\xED\xA0\x80", "key 1 (byte 1 of the keys, 0xED) is no UTF-8 character"},  // surrogate
      {"\xF4\x90\x80\x80", "key 1 (byte 1 of the keys, 0xF4) is no UTF-8 character"},
      {"", "no keys given"},  // the command line refuses them before
  };
  for (const auto& [keys, why] : refused) EXPECT_EQ(MakeKeyFile(keys).refusal, why) << keys;
}

}  // namespace
