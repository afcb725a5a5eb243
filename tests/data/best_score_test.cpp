#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"
#include "ui/game_dialog.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

using namespace std::string_literals;

namespace {

const std::string kRecordMessage = "You make the new highest score!";
const std::string kNotSavedMessage = "The best score could not be saved.";

class BestScoreTest : public testing::Test {
 protected:
  BestScoreTest() { dialog.m_strExeDir = dir.Path(); }

  void Store(const std::string& bytes) { dir.Write("best.data", bytes); }
  std::optional<std::string> Stored() const {
    if (!dir.Exists("best.data")) return std::nullopt;
    return dir.Read("best.data");
  }

  // Ends a Random game with `score`, as the engine does.
  void EndGame(int score) {
    dialog.m_nScore = score;
    dialog.UpdateBestScore();
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const ScriptedHost::MessageBoxCall& call : host.messageBoxes) {
      EXPECT_EQ(call.type, MB_OK) << call.text;
      texts.push_back(call.text);
    }
    return texts;
  }

  void ExpectNoRecord(const std::optional<std::string>& bytesBefore) {
    EXPECT_TRUE(host.messageBoxes.empty());
    EXPECT_EQ(Stored(), bytesBefore);
    EXPECT_EQ(dialog.m_strBest, "untouched");
  }

  ScriptedHost host;
  TempDir dir;
  CGameDialog dialog;
};

TEST_F(BestScoreTest, LoadBestScore_ShowsTheStoredTextUnchanged) {
  const struct {
    std::string bytes;
    std::string line;
  } cases[] = {
      {"42\0\0\0\0\0\0"s, "Best score: 42"},
      {"99\0"s, "Best score: 99"},              // shorter than the field
      {"12345678xyz", "Best score: 12345678"},  // only the first 8 bytes count
      {"12\0abcde"s, "Best score: 12"},         // filler behind the NUL is not shown
      {"top dog", "Best score: top dog"},       // need not be a number
      {"-3", "Best score: -3"},
      {"", "Best score: "},
  };
  for (const auto& c : cases) {
    Store(c.bytes);
    dialog.LoadBestScore();
    EXPECT_EQ(dialog.m_strBest, c.line) << testing::PrintToString(c.bytes);
  }
}

TEST_F(BestScoreTest, LoadBestScore_MissingFileShowsNoScoreAndCreatesNoFile) {
  dialog.LoadBestScore();
  EXPECT_EQ(dialog.m_strBest, "Best score: ");
  EXPECT_FALSE(dir.Exists("best.data"));
}

TEST_F(BestScoreTest, UpdateBestScore_FirstRecordCreatesTheFile) {
  dialog.LoadBestScore();
  EndGame(5);
  EXPECT_EQ(Stored(), "5\0\0\0\0\0\0\0"s);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{kRecordMessage});
  EXPECT_EQ(dialog.m_strBest, "Best score: 5");
}

TEST_F(BestScoreTest, UpdateBestScore_ScoreZeroOverNoFileWritesNothing) {
  dialog.m_strBest = "untouched";
  EndGame(0);
  ExpectNoRecord(std::nullopt);
}

TEST_F(BestScoreTest, UpdateBestScore_OnlyAHigherScoreIsARecord) {
  const struct {
    std::string stored;
    int score;
  } noRecords[] = {
      {"12\0\0\0\0\0\0"s, 12}, {"12\0\0\0\0\0\0"s, 3},
      {" \t+7\0\0\0\0"s, 7},  // atoi rules: blanks and a sign before the digits
      {"12345678", 12345678},  {"top dog", 0},
  };
  for (const auto& c : noRecords) {
    Store(c.stored);
    dialog.m_strBest = "untouched";
    EndGame(c.score);
    ExpectNoRecord(c.stored);
  }
}

TEST_F(BestScoreTest, UpdateBestScore_RecordKeepsTheFillerAsRead) {
  const struct {
    std::string stored;
    int score;
    std::string written;
  } cases[] = {
      {"12\0abcde"s, 13, "13\0abcde"s},
      {"12\0abcdeXYZ"s, 1000, "1000\0cde"s},  // longer file: cut to the 8 bytes read
      {"99\0"s, 100, "100\0\0\0\0\0"s},       // shorter file: 0x00 where nothing was read
      {"top dog", 1, "1\0p dog\0"s},          // not a number: counts as 0
      {"-3", 0, "0\0\0\0\0\0\0\0"s},          // negative: even 0 beats it
      {" \t+7\0\0\0\0"s, 8, "8\0+7\0\0\0\0"s},
  };
  for (const auto& c : cases) {
    Store(c.stored);
    host.messageBoxes.clear();
    EndGame(c.score);
    EXPECT_EQ(Stored(), c.written) << testing::PrintToString(c.stored);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kRecordMessage});
    EXPECT_EQ(dialog.m_strBest, "Best score: " + std::to_string(c.score));
  }
}

TEST_F(BestScoreTest, UpdateBestScore_ScoresTooWideForTheFieldStayInIt) {
  const struct {
    int score;
    std::string written;
  } cases[] = {
      {9999999, "9999999\0"s},
      {10000000, "10000000"},  // eight digits fill the field, no NUL
      {99999999, "99999999"},
      {INT_MAX, "99999999"},  // the highest score the field can hold
  };
  for (const auto& c : cases) {
    Store("");
    EndGame(c.score);
    EXPECT_EQ(Stored(), c.written) << c.score;
    EXPECT_EQ(dialog.m_strBest, "Best score: " + c.written.substr(0, c.written.find('\0')));
    dialog.LoadBestScore();
    EXPECT_EQ(dialog.m_strBest, "Best score: " + c.written.substr(0, c.written.find('\0')));
  }
}

TEST_F(BestScoreTest, UpdateBestScore_FileKeepsTheOldBestWhileTheMessageIsOpen) {
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

TEST_F(BestScoreTest, UpdateBestScore_FailedSaveIsToldAndLeavesTheFile) {
  Store("12\0\0\0\0\0\0"s);
  host.failSaves = true;
  EndGame(13);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{kRecordMessage, kNotSavedMessage}));
  EXPECT_EQ(dialog.m_strBest, "Best score: 13");
  EXPECT_EQ(Stored(), "12\0\0\0\0\0\0"s);
}

TEST_F(BestScoreTest, UpdateBestScore_BestDataBeingADirectoryIsNoCrash) {
  std::filesystem::create_directory(dir.Path() + "best.data");
  dialog.LoadBestScore();
  EXPECT_EQ(dialog.m_strBest, "Best score: ");
  EndGame(7);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{kRecordMessage, kNotSavedMessage}));
  EXPECT_EQ(dialog.m_strBest, "Best score: 7");
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "best.data"));
}

TEST_F(BestScoreTest, InstalledCopy_KeepsTheBestInTheUsersDataDirectoryOnly) {
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

#if !defined(_WIN32)
TEST_F(BestScoreTest, UpdateBestScore_ReadOnlyDirectoryIsNoCrash) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into a read-only directory";
  Store("12\0\0\0\0\0\0"s);
  namespace fs = std::filesystem;
  fs::permissions(dir.Path(), fs::perms::owner_write, fs::perm_options::remove);
  EndGame(13);
  fs::permissions(dir.Path(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{kRecordMessage, kNotSavedMessage}));
  EXPECT_EQ(dialog.m_strBest, "Best score: 13");
  EXPECT_EQ(Stored(), "12\0\0\0\0\0\0"s);
}
#endif

}  // namespace
