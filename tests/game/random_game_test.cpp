#include <string>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

// Calendar seconds from this epoch on draw, by the classic generator: +2, +3 and +4 A,
// +5 D, +6 J, +7 and +8 L, +9 D. The ticks of a 700 ms game fall at 2700, 3380, 4040,
// 4680, 5300, 5900, 6480, 7055, 7625, 8190, 8750 and 9305 ms.
constexpr std::int64_t kPinnedEpoch = 1700000521;

class RandomGame : public GameTest {
 protected:
  RandomGame() { host.calendarEpoch = kPinnedEpoch; }

  // Types `text`, lets the next tick come and returns what the display shows then.
  std::string TypeAndTick(const std::string& text) {
    w.Type(kInput, text);
    NextTick(TIMER_RANDOM);
    return Text(kDisplay);
  }
};

TEST_F(RandomGame, KeysFollowTheSecondAndARepeatAlternatesWithItsMarker) {
  StartAndReachFirstTick(kRandomButton);
  std::vector<std::string> shown{Text(kDisplay)};
  for (int tick = 2; tick <= 12; ++tick) {
    TypeAndTick(Text(kDisplay).substr(0, 1));
    shown.push_back(Text(kDisplay));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"A", "A*", "A", "A*", "D", "D*", "J", "L", "L*", "L",
                                             "L*", "D"}));
  EXPECT_EQ(dlg.m_nScore, 11);
}

TEST_F(RandomGame, AWholeGameFromTheFirstKeyToARecord) {
  dir.Write("best.data", std::string("3\0\0\0\0\0\0\0", 8));
  StartWith(kRandomButton);
  host.Advance(2000);
  w.Type(kInput, "s");  // typed while "1" is shown: discarded, never judged
  host.Advance(700);

  EXPECT_EQ(Text(kDisplay), "A");  // the first key, never marked
  EXPECT_EQ(Text(kTip), "Your score: 0");
  EXPECT_EQ(Text(kInput), "");
  EXPECT_EQ(Text(kSpeedLine), "Speed: 0.6800/s");

  // Lower-case hits; the score line shows the hits counted before each tick.
  EXPECT_EQ(TypeAndTick("a"), "A*");
  EXPECT_EQ(Text(kTip), "Your score: 0");
  EXPECT_EQ(TypeAndTick("A"), "A");
  EXPECT_EQ(Text(kTip), "Your score: 1");
  EXPECT_EQ(TypeAndTick("a"), "A*");
  EXPECT_EQ(TypeAndTick("a"), "D");
  EXPECT_EQ(Text(kTip), "Your score: 3");
  const std::string speed = Text(kSpeedLine);
  const int defaults = w.DefaultCalls();

  // The record is announced over the missed key and the typed text in upper case;
  // "FINISH" comes only after the message is closed.
  std::vector<std::string> underTheMessage;
  host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
    underTheMessage = {Text(kDisplay), Text(kInput), Text(kTip)};
    return IDOK;
  });
  EXPECT_EQ(TypeAndTick("dd"), "FINISH");

  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, "You make the new highest score!");
  EXPECT_EQ(underTheMessage, (std::vector<std::string>{"D", "DD", "Your score: 4"}));
  EXPECT_EQ(Text(kTip), "Your score: 4\nSELECT ONE MODE TO PLAY AGAIN");
  EXPECT_EQ(Text(kInput), "");
  EXPECT_EQ(Text(kBestLine), "Best score: 4");
  EXPECT_EQ(Text(kSpeedLine), speed);
  EXPECT_FALSE(w.TimerRunning(TIMER_RANDOM));
  EXPECT_EQ(w.DefaultCalls(), defaults);
  EXPECT_TRUE(w.Item(kInput).enabled);

  host.Advance(5000);
  EXPECT_EQ(Text(kDisplay), "FINISH");
}

TEST_F(RandomGame, AnythingButTheOneKeyIsAMiss) {
  const std::vector<std::string> patterns{"", "kk", "k ", " k", "k*", "other"};
  for (const std::string& pattern : patterns) {
    StartAndReachFirstTick(kRandomButton);
    const std::string key(1, char(std::tolower(Text(kDisplay)[0])));
    std::string typed = pattern == "other" ? (key == "s" ? "a" : "s") : pattern;
    for (char& c : typed) {
      if (c == 'k') c = key[0];
    }
    EXPECT_EQ(TypeAndTick(typed), "FINISH") << '"' << typed << '"';
    EXPECT_EQ(Text(kTip), "Your score: 0\nSELECT ONE MODE TO PLAY AGAIN");
  }
  EXPECT_TRUE(host.messageBoxes.empty());  // a score of 0 is no record
}

TEST_F(RandomGame, AModeButtonStopsTheGameWithoutFinishOrBestScore) {
  dir.Write("best.data", std::string("0\0\0\0\0\0\0\0", 8));
  StartAndReachFirstTick(kRandomButton);
  EXPECT_EQ(TypeAndTick("a"), "A*");
  w.Click(kRandomButton);
  host.Advance(5000);
  EXPECT_FALSE(w.TimerRunning(TIMER_RANDOM));
  EXPECT_EQ(Text(kDisplay), "A*");
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_EQ(dir.Read("best.data"), std::string("0\0\0\0\0\0\0\0", 8));
}

}  // namespace
