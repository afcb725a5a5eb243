#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"
#include "ui/game_dialog.h"

using namespace std::string_literals;

namespace {

const std::string kRecord = "You make the new highest score!";
const std::string kNotSaved = "The best score could not be saved.";

class BestScoreTest : public testing::Test {
 protected:
  BestScoreTest() { dialog.m_strExeDir = dir.Path(); }

  void Store(const std::optional<std::string>& bytes) {
    std::filesystem::remove(dir.Path() + "best.data");
    if (bytes) dir.Write("best.data", *bytes);
  }
  std::optional<std::string> Stored() const {
    if (!dir.Exists("best.data")) return std::nullopt;
    return dir.Read("best.data");
  }

  // Ends a Random game with the score, as the engine does, and gives the messages shown.
  std::vector<std::string> EndGame(int score) {
    host.messageBoxes.clear();
    dialog.m_nScore = score;
    dialog.UpdateBestScore();
    std::vector<std::string> texts;
    for (const ScriptedHost::MessageBoxCall& call : host.messageBoxes) {
      EXPECT_EQ(call.type, MB_OK) << call.text;
      texts.push_back(call.text);
    }
    return texts;
  }

  ScriptedHost host;
  TempDir dir;
  CGameDialog dialog;
};

TEST_F(BestScoreTest, TheBestLineShowsTheStoredTextUnchanged) {
  const std::pair<std::optional<std::string>, std::string> cases[] = {
      {std::nullopt, ""},
      {"42\0\0\0\0\0\0"s, "42"},
      {"99\0"s, "99"},              // shorter than the field
      {"12345678xyz", "12345678"},  // only the first 8 bytes count
      {"12\0abcde"s, "12"},         // filler behind the NUL is not shown
      {"top dog", "top dog"},       // need not be a number
      {"-3", "-3"},
      {"", ""},
  };
  for (const auto& [bytes, shown] : cases) {
    Store(bytes);
    dialog.LoadBestScore();
    EXPECT_EQ(dialog.m_strBest, "Best score: " + shown) << testing::PrintToString(bytes);
    EXPECT_EQ(Stored(), bytes) << "reading wrote the file";
  }
}

TEST_F(BestScoreTest, OnlyAHigherScoreIsARecordWrittenInTheFieldWithTheFillerAsRead) {
  const struct {
    std::optional<std::string> stored;
    int score;
    std::optional<std::string> written;  // none: no record
  } cases[] = {
      {std::nullopt, 0, std::nullopt},
      {"12\0\0\0\0\0\0"s, 12, std::nullopt},
      {" \t+7\0\0\0\0"s, 7, std::nullopt},  // atoi rules: blanks and a sign before the digits
      {"12345678", 12345678, std::nullopt},
      {"top dog", 0, std::nullopt},
      {std::nullopt, 5, "5\0\0\0\0\0\0\0"s},
      {"12\0abcde"s, 13, "13\0abcde"s},
      {"12\0abcdeXYZ"s, 1000, "1000\0cde"s},  // longer file: cut to the 8 bytes read
      {"99\0"s, 100, "100\0\0\0\0\0"s},       // shorter file: 0x00 where nothing was read
      {"top dog", 1, "1\0p dog\0"s},          // not a number: counts as 0
      {"-3", 0, "0\0\0\0\0\0\0\0"s},          // negative: even 0 beats it
      {"", 9999999, "9999999\0"s},
      {"", 10000000, "10000000"},  // eight digits fill the field, no NUL
      {"", INT_MAX, "99999999"},   // the highest score the field can hold
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.stored) + " " + std::to_string(c.score));
    Store(c.stored);
    dialog.m_strBest = "untouched";
    const std::vector<std::string> messages = EndGame(c.score);
    EXPECT_EQ(Stored(), c.written ? c.written : c.stored);
    EXPECT_EQ(messages, c.written ? std::vector<std::string>{kRecord} : std::vector<std::string>{});
    const std::string shown =
        c.written ? "Best score: " + c.written->substr(0, c.written->find('\0')) : "untouched";
    EXPECT_EQ(dialog.m_strBest, shown);
    if (c.written) dialog.LoadBestScore();
    EXPECT_EQ(dialog.m_strBest, shown) << "read back";
  }
}

TEST_F(BestScoreTest, TheFileKeepsTheOldBestWhileTheMessageIsOpen) {
  Store("12\0\0\0\0\0\0"s);
  dialog.m_strBest = "Best score: 12";
  std::optional<std::string> bytesDuringMessage;
  std::string lineDuringMessage;
  host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
    bytesDuringMessage = Stored();
    lineDuringMessage = dialog.m_strBest;
    return IDOK;
  });
  EndGame(40);
  EXPECT_EQ(bytesDuringMessage, "12\0\0\0\0\0\0"s);
  EXPECT_EQ(lineDuringMessage, "Best score: 12");
  EXPECT_EQ(Stored(), "40\0\0\0\0\0\0"s);
}

TEST_F(BestScoreTest, ARecordThatCannotBeSavedIsToldAndLeavesWhatWasThere) {
  Store("12\0\0\0\0\0\0"s);
  host.failSaves = true;  // as on a read-only disk
  EXPECT_EQ(EndGame(13), (std::vector<std::string>{kRecord, kNotSaved}));
  EXPECT_EQ(dialog.m_strBest, "Best score: 13");
  EXPECT_EQ(Stored(), "12\0\0\0\0\0\0"s);

  host.failSaves = false;
  Store(std::nullopt);
  std::filesystem::create_directory(dir.Path() + "best.data");
  dialog.LoadBestScore();
  EXPECT_EQ(dialog.m_strBest, "Best score: ");
  EXPECT_EQ(EndGame(7), (std::vector<std::string>{kRecord, kNotSaved}));
  EXPECT_EQ(dialog.m_strBest, "Best score: 7");
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "best.data"));
}

TEST_F(BestScoreTest, AnInstalledCopyKeepsTheBestInTheUsersDataDirectoryOnly) {
  TempDir own;
  host.userDataDirectory = own.Path();
  Store("99\0\0\0\0\0\0"s);
  own.Write("best.data", "4\0\0\0\0\0\0\0"s);
  dialog.LoadBestScore();
  EXPECT_EQ(dialog.m_strBest, "Best score: 4");
  EndGame(5);
  EXPECT_EQ(own.Read("best.data"), "5\0\0\0\0\0\0\0"s);
  EXPECT_EQ(Stored(), "99\0\0\0\0\0\0"s);
}

}  // namespace
