// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "seam/ids.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"
#include "ui/game_dialog.h"

using Strings = std::vector<std::string>;
using namespace ids;

// Main windows on the scripted host, the first opened as a player who chose "STRAT GAME",
// with the executable (and so best.data) in a folder of the test's own. Time starts at 0.
class GameTest : public ::testing::Test {
 protected:
  GameTest() {
    host.executablePath = dir.Path() + "Quellabox";
    Open();
  }

  // Opens another main window, its start dialog played by `start`; the helpers play on it.
  ScriptedWindow& Open(ScriptedHost::Script start = [](ScriptedWindow& s) { s.Click(kOk); }) {
    host.modal[kStartDialog] = start;
    return *(w = &host.Open(games.emplace_back(host)));
  }
  Strings Texts(std::vector<int> ids) {
    Strings texts;
    for (int id : ids) texts.push_back(w->ItemText(id));
    return texts;
  }
  void StartAndReachFirstTick(int modeButton) {
    w->Click(modeButton);
    w->Focus(kInput);
    host.Advance(2000);
    host.Advance(w->TimerPeriod(GameTimer()));
  }
  unsigned GameTimer() const { return w->TimerPeriod(TIMER_FIXED) ? TIMER_FIXED : TIMER_RANDOM; }
  // Types the text, lets the game timer tick once and gives the display then.
  std::string TypeAndTick(const std::string& text) {
    w->Type(kInput, text);
    host.Advance(w->TimerPeriod(GameTimer()));
    return w->ItemText(kDisplay);
  }
  std::string ShownKey() { return std::string(1, char(std::tolower(w->ItemText(kDisplay)[0]))); }

  TempDir dir;
  ScriptedHost host;
  std::deque<CGameDialog> games;
  ScriptedWindow* w = nullptr;
};

namespace {

// From this calendar second on the classic generator draws: +2, +3 and +4 A, +5 D. The
// ticks of a 700 ms game fall at 2700, 3380, 4040, 4680 and 5300 ms.
constexpr std::int64_t kPinnedEpoch = 1700000521;

TEST_F(GameTest, Random_AWholeGameFromTheArmingToARecord) {
  host.calendarEpoch = kPinnedEpoch;
  dir.Write("best.data", std::string("3\0\xAA\xBB\0\0\0\0", 8));
  w->Click(kRandomMode);
  EXPECT_EQ(Texts({kInput, kTip, kMode}),
            (Strings{"Click me", "Click the control.", "Mode:Random"}));
  w->Type(kInput, "a");
  w->Click(kHellMode);  // both set back by the next countdown tick: the game keeps its start
  host.Advance(2000);
  EXPECT_EQ(Texts({kDisplay, kInput}), (Strings{"1", ""}));
  EXPECT_EQ(w->ItemCheck(kHellMode), 0);
  w->Type(kInput, "s");  // a second focus starts nothing; typed while "1" shows: never judged
  host.Advance(700);
  EXPECT_EQ(Texts({kDisplay, kTip, kInput, kSpeed}),
            (Strings{"A", "Your score: 0", "", "Speed: 0.6800/s"}));
  EXPECT_EQ(w->TimerPeriod(TIMER_COUNTDOWN), 0);

  // Lower-case hits; one key within a second alternates with its marker; the score line
  // shows the hits counted before each tick.
  Strings shown;
  for (const char* typed : {"a", "A", "a", "a"}) {
    shown.push_back(TypeAndTick(typed));
    shown.push_back(w->ItemText(kTip));
  }
  EXPECT_EQ(shown, (Strings{"A*", "Your score: 0", "A", "Your score: 1", "A*", "Your score: 2", "D",
                            "Your score: 3"}));

  // The record is saved, then announced over the missed key: the filler stays.
  Strings underTheMessage;
  host.answerBox = [&](const std::string& text) {
    underTheMessage = {text, w->ItemText(kDisplay), dir.Read("best.data").substr(0, 1)};
    return kOk;
  };
  EXPECT_EQ(TypeAndTick("dd"), "FINISH");
  EXPECT_EQ(underTheMessage, (Strings{"You make the new highest score!", "D", "4"}));
  EXPECT_EQ(Texts({kTip, kInput, kBest}),
            (Strings{"Your score: 4\nSELECT ONE MODE TO PLAY AGAIN", "", "Best score: 4"}));
  EXPECT_EQ(dir.Read("best.data"), std::string("4\0\xAA\xBB\0\0\0\0", 8));
  EXPECT_EQ(w->TimerPeriod(TIMER_RANDOM), 0);
}

TEST_F(GameTest, Random_ALongGameDrawsEachOfTheSixKeysAndNoOtherAndItsSpeedGoesBelowZero) {
  StartAndReachFirstTick(kRandomMode);
  std::set<std::string> drawn;
  for (int tick = 0; tick < 150; ++tick) {  // down to the 10 ms floor, over 40 s of play
    drawn.insert(w->ItemText(kDisplay).substr(0, 1));
    TypeAndTick(ShownKey());
  }
  EXPECT_EQ(drawn, (std::set<std::string>{"A", "D", "J", "K", "L", "S"}));
  EXPECT_EQ(w->TimerPeriod(TIMER_RANDOM), 10);
  // The interval has no lower bound: the line shows it below zero, sign first.
  EXPECT_EQ(w->ItemText(kSpeed), "Speed: -0.1450/s");
}

TEST_F(GameTest, Random_ARecordIsKeptWhereThePlayerMayWriteOverALowerOneOrAFailureIsSaid) {
  struct Ending {
    bool installed, mayWriteBeside, dataFolder, failSaves;
    const char* beside;     // best.data beside the program at the start
    const char* meanwhile;  // what another copy writes between the read and the save
    Strings after;          // best.data beside the program and in the data folder, the best line
    Strings boxes;
  };
  const std::string record = "You make the new highest score!";
  const std::string unsaved = "The best score could not be saved.";
  const Ending endings[] = {
      {false, true, true, false, "2", nullptr, {"2", "", "Best score: 2"}, {}},  // equal: none
      {false, true, true, true, "1", nullptr, {"1", "", "Best score: 2"}, {record, unsaved}},
      {false, true, true, false, "1", "5", {"5", "", "Best score: 1"}, {}},  // read again
      {false, true, true, false, "1", "0", {"2", "", "Best score: 2"}, {record}},
      {false, false, true, false, "", nullptr, {"", "2", "Best score: 2"}, {record}},
      // Installed, though root may write beside it; an earlier version's record; no data folder.
      {true, true, true, false, "", nullptr, {"", "2", "Best score: 2"}, {record}},
      {true, true, true, false, "7", nullptr, {"", "7", "Best score: 7"}, {}},
      {true, true, false, false, "", nullptr, {"", "", "Best score: 2"}, {record, unsaved}},
  };
  for (const Ending& ending : endings) {
    SCOPED_TRACE(::testing::PrintToString(ending.after) + ::testing::PrintToString(ending.boxes));
    TempDir program, own;
    if (*ending.beside) program.Write("best.data", ending.beside);
    host.executablePath = program.Path() + "Quellabox";
    host.installedCopy = ending.installed;
    host.mayWriteBeside = ending.mayWriteBeside;
    host.userDataFolder = ending.dataFolder ? own.Path() : "";
    host.failSaves = ending.failSaves;
    host.beforeSave = nullptr;
    if (ending.meanwhile) host.beforeSave = [&] { program.Write("best.data", ending.meanwhile); };
    const std::size_t before = host.boxes.size();
    Open();
    StartAndReachFirstTick(kRandomMode);
    TypeAndTick(ShownKey());
    TypeAndTick(ShownKey());
    EXPECT_EQ(TypeAndTick("?"), "FINISH");
    EXPECT_EQ(Strings({program.Read("best.data").c_str(), own.Read("best.data").c_str(),
                       w->ItemText(kBest)}),
              ending.after);
    EXPECT_EQ(Strings(host.boxes.begin() + long(before), host.boxes.end()), ending.boxes);
  }
}

TEST_F(GameTest, Fixed_EndsAsTheKeysAndTheTypedTextSay) {
  struct Game {
    std::string file;
    Strings shown;  // at the first tick, then each typed text and what follows
    const char* progress;
    std::optional<std::string> fileAfterFirstTick = std::nullopt;
  };
  const Game games[] = {
      {"00000003aab", {"A", "a", "A*", "A", "B", "b", "YOU WIN!"}, "3/3"},
      {"00000004abcd", {"A", "a", "B", "bb", "FINISH"}, "1/4"},  // anything but the key misses
      {"00000002ab", {"A", "", "FINISH"}, "0/2"},
      {"00000002ab", {"A", " a", "FINISH"}, "0/2"},
      {"00000002ab", {"A", "a ", "FINISH"}, "0/2"},
      {"00000002aa", {"A", "a", "A*", "a*", "FINISH"}, "1/2"},
      {"000000021x", {"1*", "1", "X", "x", "YOU WIN!"}, "2/2"},  // like the count's last "1"
      // É, É*, then ÿ and ß, which have no upper case in Latin-1.
      {"00000004\xE9\xE9\xFF\xDF", {"É", "é", "É*", "É", "ÿ", "ÿ", "ß", "ß", "YOU WIN!"}, "4/4"},
      {"00000002\xFF\x61", {"ÿ", "Ÿ", "FINISH"}, "0/2"},  // Ÿ is outside Latin-1: no key
      {std::string("5\0\0\0\0\0\0\0ab", 10), {"A", "a", "B", "b", "FINISH"}, "2/5"},
      {std::string("   5    ab\0cd", 13), {"A", "a", "B", "b", "FINISH"}, "2/5"},
      {"00000003a\rb", {"A", "a", "\r", "\r", "B", "b", "YOU WIN!"}, "3/3"},  // a lone CR is a key
      {"-3      abc", {"FINISH"}, "0/-3"},  // a count below 1: no keys
      // Changed after the first tick: the new file's key at the score's index follows.
      {"00000003aab", {"A", "a", "Y", "y", "YOU WIN!"}, "2/2", "00000002xy"},
      {"00000003abc", {"A", "a", "FINISH"}, "1/0", ""},
  };
  host.sampleFolder = "/samples/";
  for (const Game& game : games) {
    SCOPED_TRACE(::testing::PrintToString(game.file));
    host.fileToChoose = dir.Write("k.vts", game.file);
    w->Click(kFixedMode);
    if (!game.fileAfterFirstTick) {
      EXPECT_EQ(w->ItemText(kKeyFileInfo), "vts info: 0/" + std::string(game.progress).substr(2));
    }
    w->Focus(kInput);
    host.Advance(2700);
    EXPECT_EQ(w->ItemText(kDisplay), game.shown[0]);
    if (game.fileAfterFirstTick) dir.Write("k.vts", *game.fileAfterFirstTick);
    for (std::size_t i = 1; i < game.shown.size(); i += 2) {
      EXPECT_EQ(TypeAndTick(game.shown[i]), game.shown[i + 1]) << game.shown[i];
    }
    const std::string score = std::string(game.progress).substr(0, 1);
    EXPECT_EQ(Texts({kDisplay, kTip, kKeyFileInfo}),
              (Strings{game.shown.back(),
                       "Your score: " + score + "\nThis mode does not count the highest score.",
                       std::string("vts info: ") + game.progress}));
    EXPECT_EQ(w->TimerPeriod(TIMER_FIXED), 0);
  }
  EXPECT_EQ(dir.Read("best.data"), "");
  // The Open dialog starts among the samples, then where the last file was picked.
  Strings folders(std::size(games), dir.Path());
  folders.front() = host.sampleFolder;
  EXPECT_EQ(host.chooserFolders, folders);
}

TEST_F(GameTest, Schedule_FollowsEachStartingIntervalTickByTick) {
  struct Schedule {
    bool hell, noSpeedChange;      // at the mode click
    std::set<std::size_t> clicks;  // No speed change is clicked before these ticks
    std::vector<int> periods;      // after each tick from the first
    std::vector<std::pair<std::size_t, const char*>> lines;
  };
  const Schedule schedules[] = {
      // 20 ms off each tick for the first 100 ms below the start, then 5.
      {false, false, {}, {680, 660, 640, 620, 600, 580, 575, 570}, {{0, "0.6800"}, {6, "0.5750"}}},
      {true, false, {}, {480, 460, 440, 420, 400, 380, 375}, {{0, "0.4800"}, {6, "0.3750"}}},
      // Chosen at the click, unticked while "1" shows.
      {true, true, {0}, {380, 360, 340, 320, 300, 280, 275}, {{0, "0.3800"}, {6, "0.2750"}}},
      // No speed change freezes the period; the line drifts by 0.0010 a tick.
      {true, true, {}, {400, 400, 400}, {{0, "0.3990"}, {2, "0.3970"}}},
      {false, true, {}, {700, 700}, {{0, "0.6990"}}},
      // Ticked and unticked mid-game.
      {false, false, {3, 6}, {680, 660, 640, 640, 640, 640, 617}, {{3, "0.6390"}, {6, "0.6170"}}},
  };

  for (const Schedule& s : schedules) {
    SCOPED_TRACE(::testing::PrintToString(s.periods));
    if (w->ItemCheck(kHellMode) != int(s.hell)) w->Click(kHellMode);
    if (w->ItemCheck(kNoSpeedChange) != int(s.noSpeedChange)) w->Click(kNoSpeedChange);
    const std::size_t boxes = host.boxes.size();
    w->Click(kRandomMode);  // Hell mode with the speed still changing asks first
    EXPECT_EQ(host.boxes.size() - boxes, s.hell && !s.noSpeedChange ? 2u : 0u);
    w->Focus(kInput);
    host.Advance(2000);
    std::vector<int> periods;
    Strings lines;
    for (std::size_t tick = 0; tick < s.periods.size(); ++tick) {
      if (s.clicks.count(tick)) w->Click(kNoSpeedChange);
      if (tick > 0) w->Type(kInput, ShownKey());
      host.Advance(w->TimerPeriod(TIMER_RANDOM));
      periods.push_back(w->TimerPeriod(TIMER_RANDOM));
      lines.push_back(w->ItemText(kSpeed));
    }
    EXPECT_EQ(periods, s.periods);
    for (const auto& [tick, line] : s.lines) {
      EXPECT_EQ(lines.at(tick), std::string("Speed: ") + line + "/s") << tick;
    }
  }
}

TEST_F(GameTest, Start_TrackPlaysTwiceMusicTogglesAndWhatOpensBelongsToTheNewestRunningWindow) {
  ScriptedWindow& game = *w;
  game.ChooseFromMenu(kAboutCommand);
  const std::string track = dir.Path() + "BackgroundMusic.wav";
  game.Click(kMusic);
  game.Click(kMusic);
  EXPECT_EQ(host.sounds, (Strings{track, track, "stop", track}));

  // Leaving the start dialog ends the window, after the track and the best score.
  dir.Write("best.data", "12");
  ScriptedWindow& left = Open([](ScriptedWindow& start) {
    start.Click(kAbout);
    start.Click(kCancel);  // EXIT
  });
  EXPECT_TRUE(left.ended);
  EXPECT_EQ(left.ItemText(kBest), "Best score: 12");
  EXPECT_EQ(host.sounds.size(), 6u);
  // What opens belongs to the newest window whose loop runs; the first start dialog has none.
  game.Click(kExit);
  EXPECT_EQ(host.owners, (Strings{"", "102", "102", "129", "102"}));
}

TEST_F(GameTest, WaysOut_AskReallyWhileTheGameTicksEnterEndsResetStartsANewCopy) {
  ScriptedWindow& first = *w;
  host.executablePath = "/nonexistent/v1.2/Quellabox.exe";  // its name alone captions the boxes
  // Esc and the close box come to the dialog as Cancel and the Close command.
  for (const int way : {kCancel, int(kCloseCommand), kExit}) {
    for (const int answer : {kCancel, kOk}) {
      ScriptedWindow& window = Open();
      CGameDialog& game = games.back();
      window.Click(kRandomMode);
      window.Focus(kInput);
      host.answerBox = [&, answer](const std::string& text) {
        host.Advance(1000);
        EXPECT_EQ(text + " " + window.ItemText(kDisplay), "Really? 2");
        return answer;
      };
      way == int(kCloseCommand) ? window.ChooseFromMenu(way) : game.OnCommand(way);
      EXPECT_EQ(window.ended, answer == kOk);
      game.OnCommand(kOk);  // Enter in the input box or on a check box: at once, unasked
      EXPECT_TRUE(window.ended);
    }
  }
  EXPECT_EQ(host.captions, Strings(6, "Quellabox"));
  first.Click(kReset);
  EXPECT_TRUE(first.ended);
  EXPECT_EQ(host.started, Strings{host.executablePath});
}

}  // namespace
