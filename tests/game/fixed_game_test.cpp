#include <string>
#include <utility>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

constexpr char kNoBestScore[] = "\nThis mode does not count the highest score.";

class FixedGame : public GameTest {
 protected:
  void StartFixedGame(const std::string& keyFile) {
    path = ChooseKeyFileWith(keyFile);
    StartAndReachFirstTick(kFixedButton);
  }
  std::string TypeAndTick(const std::string& text) {
    w.Type(kInput, text);
    NextTick(TIMER_FIXED);
    return Text(kDisplay);
  }
  void ExpectEnded(const std::string& banner, const std::string& score, const std::string& count) {
    EXPECT_EQ(Text(kDisplay), banner);
    EXPECT_EQ(Text(kTip), "Your score: " + score + kNoBestScore);
    EXPECT_EQ(Text(kKeyFileLine), "vts info: " + score + "/" + count);
    EXPECT_EQ(Text(kInput), "");
    EXPECT_FALSE(w.TimerRunning(TIMER_FIXED));
    host.Advance(3000);
    EXPECT_EQ(Text(kDisplay), banner);
  }

  std::string path;
};

TEST_F(FixedGame, AWholeGameOnAnAABFileIsWonAtTheTickAfterTheLastKey) {
  StartFixedGame("00000003aab");
  EXPECT_EQ(Text(kDisplay), "A");
  EXPECT_EQ(Text(kTip), "Your score: 0");
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/3");
  EXPECT_EQ(Text(kSpeedLine), "Speed: 0.6800/s");

  EXPECT_EQ(TypeAndTick("a"), "A*");
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/3");  // a hit shows one tick later
  EXPECT_EQ(TypeAndTick("A"), "B");
  EXPECT_EQ(Text(kTip), "Your score: 1");
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 1/3");
  const std::string speed = Text(kSpeedLine);
  const int defaults = w.DefaultCalls();

  TypeAndTick("b");
  ExpectEnded("YOU WIN!", "3", "3");
  EXPECT_EQ(Text(kSpeedLine), speed);
  EXPECT_EQ(w.DefaultCalls(), defaults);
  EXPECT_EQ(Text(kBestLine), "Best score: ");
  EXPECT_FALSE(dir.Exists("best.data"));
  EXPECT_TRUE(dlg.m_bStarted);
}

TEST_F(FixedGame, AMissShowsTheHitsCountedBeforeIt) {
  StartFixedGame("00000004abcd");
  EXPECT_EQ(TypeAndTick("a"), "B");
  TypeAndTick("bb");
  ExpectEnded("FINISH", "1", "4");
}

TEST_F(FixedGame, TextTypedBeforeTheFirstKeyIsDiscarded) {
  path = ChooseKeyFileWith("00000002ab");
  StartWith(kFixedButton);
  host.Advance(2000);
  w.Type(kInput, "x");
  host.Advance(700);
  EXPECT_EQ(Text(kDisplay), "A");
  EXPECT_EQ(Text(kInput), "");
  EXPECT_EQ(TypeAndTick("a"), "B");
}

TEST_F(FixedGame, AFirstKeyThatReadsLikeTheLastCountIsMarked) {
  StartFixedGame("000000021x");
  EXPECT_EQ(Text(kDisplay), "1*");
  EXPECT_EQ(TypeAndTick("1"), "X");
}

TEST_F(FixedGame, Latin1KeysAreShownInUpperCaseAndHitInEitherCase) {
  StartFixedGame("00000004\xE9\xE9\xFF\xDF");
  EXPECT_EQ(Text(kDisplay), "\xC3\x89");            // É
  EXPECT_EQ(TypeAndTick("\xC3\xA9"), "\xC3\x89*");  // é
  EXPECT_EQ(TypeAndTick("\xC3\x89"), "\xC3\xBF");   // É, then ÿ: no upper case in Latin-1
  EXPECT_EQ(TypeAndTick("\xC3\xBF"), "\xC3\x9F");   // ß
  TypeAndTick("\xC3\x9F");
  ExpectEnded("YOU WIN!", "4", "4");
}

TEST_F(FixedGame, ATypedCharacterNoKeyByteStandsForNeverHits) {
  StartFixedGame(
      "00000002\xFF"
      "a");
  TypeAndTick("\xC5\xB8");  // Ÿ, the upper case of ÿ outside Latin-1
  ExpectEnded("FINISH", "0", "2");
}

TEST_F(FixedGame, AFileReplacedMidGameCountsFromTheNextTick) {
  StartFixedGame("00000003aab");
  dir.Write("keys.vts", "00000002xy");
  EXPECT_EQ(TypeAndTick("a"), "Y");  // index 1 of the new keys
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/2");
  TypeAndTick("y");
  ExpectEnded("YOU WIN!", "2", "2");
}

TEST_F(FixedGame, ASequenceThatEndsBeforeItsCountEndsTheGameThere) {
  // Two keys of five present, or a NUL behind the second.
  for (const std::string& file : {std::string("00000005ab"), std::string("00000005ab\0cd", 13)}) {
    StartFixedGame(file);
    EXPECT_EQ(TypeAndTick("a"), "B");
    TypeAndTick("b");
    ExpectEnded("FINISH", "2", "5");
  }
}

TEST_F(FixedGame, ACountOfZeroOrBelowEndsTheGameAtItsFirstTick) {
  const std::vector<std::pair<std::string, std::string>> files{
      {"00000000abc", "0"}, {"-3      abc", "-3"}, {"no digit", "0"}};
  for (const auto& [file, count] : files) {
    StartFixedGame(file);
    ExpectEnded("FINISH", "0", count);
    EXPECT_EQ(Text(kSpeedLine), "Speed: 0.7000/s");
  }
}

TEST_F(FixedGame, AFileCutDuringTheGameEndsIt) {
  StartFixedGame("00000003abc");
  dir.Write("keys.vts", "00000003a");
  TypeAndTick("a");
  ExpectEnded("FINISH", "1", "3");

  StartFixedGame("00000003abc");
  dir.Write("keys.vts", "");
  TypeAndTick("a");
  ExpectEnded("FINISH", "1", "0");
}

TEST_F(FixedGame, AModeButtonLeavesTheFixedTimerRunningToJudgeItsPrompt) {
  StartFixedGame("00000003abc");
  EXPECT_EQ(TypeAndTick("a"), "B");
  w.Click(kRandomButton);
  EXPECT_TRUE(w.TimerRunning(TIMER_FIXED));
  NextTick(TIMER_FIXED);  // judges "Click me"
  ExpectEnded("FINISH", "1", "3");
  EXPECT_EQ(Text(kModeLabel), "Mode:Random");
}

TEST_F(FixedGame, TicksGoOnWhileAMessageBoxOfAModeButtonIsOpen) {
  StartFixedGame("00000003abc");
  w.Type(kInput, "a");
  w.Click(kHellMode);
  std::vector<std::string> seen;
  host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
    host.Advance(680);  // the tick that judges "a" comes while the question is open
    seen.push_back(Text(kDisplay));
    return IDCANCEL;
  });
  w.Click(kRandomButton);
  EXPECT_EQ(seen, std::vector<std::string>{"B"});
  EXPECT_TRUE(w.TimerRunning(TIMER_FIXED));
  EXPECT_EQ(dlg.m_nScore, 1);
}

}  // namespace
