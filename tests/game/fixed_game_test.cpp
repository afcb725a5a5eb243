#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

using Strings = std::vector<std::string>;
constexpr char kNoBestScore[] = "\nThis mode does not count the highest score.";

class FixedGame : public GameTest {
 protected:
  void StartFixedGame(const std::string& keyFile) {
    ChooseKeyFileWith(keyFile);
    StartAndReachFirstTick(kFixedButton);
  }
  // The game is over with the banner and the hits counted of the keys counted, "2/3".
  void ExpectEnded(const std::string& banner, const std::string& progress) {
    const std::string tip = "Your score: " + progress.substr(0, progress.find('/')) + kNoBestScore;
    EXPECT_EQ(Texts({kDisplay, kTip, kKeyFileLine, kInput}),
              (Strings{banner, tip, "vts info: " + progress, ""}));
    EXPECT_FALSE(w.TimerRunning(TIMER_FIXED));
    EXPECT_EQ(DisplayAfter(3000), banner);
  }
};

TEST_F(FixedGame, AWholeGameOnAnAABFileIsWonAtTheTickAfterTheLastKey) {
  StartFixedGame("00000003aab");
  EXPECT_EQ(Texts({kDisplay, kTip, kKeyFileLine, kSpeedLine}),
            (Strings{"A", "Your score: 0", "vts info: 0/3", "Speed: 0.6800/s"}));
  EXPECT_EQ(TypeAndTick("a"), "A*");
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/3");  // a hit shows one tick later
  EXPECT_EQ(TypeAndTick("A"), "B");
  EXPECT_EQ(Texts({kTip, kKeyFileLine}), (Strings{"Your score: 1", "vts info: 1/3"}));
  const std::string speed = Text(kSpeedLine);
  const int defaults = w.DefaultCalls();

  TypeAndTick("b");
  ExpectEnded("YOU WIN!", "3/3");
  EXPECT_EQ(Text(kSpeedLine), speed);
  EXPECT_EQ(w.DefaultCalls(), defaults);
  EXPECT_EQ(Text(kBestLine), "Best score: ");
  EXPECT_FALSE(dir.Exists("best.data"));
  EXPECT_TRUE(dlg.m_bStarted);
}

struct Game {
  std::string file;
  std::vector<std::string> shown;  // at the first tick, then each typed text and what follows
  const char* progress;
  std::optional<std::string> fileAfterFirstTick = std::nullopt;
};

// A game ends at a miss, at the last key of the count, or wherever the keys run out first.
TEST_F(FixedGame, EndsAsTheKeysAndTheTypedTextSay) {
  const Game games[] = {
      {"00000004abcd", {"A", "a", "B", "bb", "FINISH"}, "1/4"},
      {"000000021x", {"1*", "1", "X", "x", "YOU WIN!"}, "2/2"},  // like the count's last "1"
      // É, É*, then ÿ and ß, which have no upper case in Latin-1.
      {"00000004\xE9\xE9\xFF\xDF", {"É", "é", "É*", "É", "ÿ", "ÿ", "ß", "ß", "YOU WIN!"}, "4/4"},
      {"00000002\xFF"
       "a",
       {"ÿ", "Ÿ", "FINISH"},
       "0/2"},  // Ÿ is outside Latin-1: no key
      {"00000005ab", {"A", "a", "B", "b", "FINISH"}, "2/5"},
      {std::string("00000005ab\0cd", 13), {"A", "a", "B", "b", "FINISH"}, "2/5"},
      {"00000000abc", {"FINISH"}, "0/0"},
      {"-3      abc", {"FINISH"}, "0/-3"},
      {"no digit", {"FINISH"}, "0/0"},
      // Changed after the first tick: the new file's key at the score's index follows.
      {"00000003aab", {"A", "a", "Y", "y", "YOU WIN!"}, "2/2", "00000002xy"},
      {"00000003abc", {"A", "a", "FINISH"}, "1/3", "00000003a"},
      {"00000003abc", {"A", "a", "FINISH"}, "1/0", ""},
  };
  for (const Game& game : games) {
    SCOPED_TRACE(::testing::PrintToString(game.file));
    StartFixedGame(game.file);
    EXPECT_EQ(Text(kDisplay), game.shown[0]);
    if (game.shown.size() == 1) {
      EXPECT_EQ(Text(kSpeedLine), "Speed: 0.7000/s");
    }
    if (game.fileAfterFirstTick) dir.Write("keys.vts", *game.fileAfterFirstTick);
    for (std::size_t i = 1; i < game.shown.size(); i += 2) {
      EXPECT_EQ(TypeAndTick(game.shown[i]), game.shown[i + 1]) << game.shown[i];
    }
    ExpectEnded(game.shown.back(), game.progress);
  }
}

TEST_F(FixedGame, AModeButtonLeavesTheTimerTickingThroughItsQuestionAndJudgingItsPrompt) {
  StartFixedGame("00000003abc");
  w.Type(kInput, "a");
  w.Click(kHellMode);
  std::vector<std::string> seen;
  host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
    host.Advance(680);  // the tick that judges "a" comes while the question is open
    seen.push_back(Text(kDisplay));
    return IDOK;
  });
  w.Click(kRandomButton);
  EXPECT_EQ(seen, std::vector<std::string>{"B"});
  ASSERT_TRUE(w.TimerRunning(TIMER_FIXED));
  ASSERT_EQ(Text(kInput), "Click me");
  host.Advance(w.TimerPeriod(TIMER_FIXED));
  ExpectEnded("FINISH", "1/3");
  EXPECT_EQ(Text(kModeLabel), "Mode:Random");
}

}  // namespace
