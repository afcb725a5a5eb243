#include <string>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

// Calendar seconds from this epoch on draw, by the classic generator: +2, +3 and +4 A,
// +5 D. The ticks of a 700 ms game fall at 2700, 3380, 4040, 4680 and 5300 ms.
constexpr std::int64_t kPinnedEpoch = 1700000521;

class RandomGame : public GameTest {
 protected:
  RandomGame() { host.calendarEpoch = kPinnedEpoch; }
};

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

  // Lower-case hits; one key within a second alternates with its marker; the score line
  // shows the hits counted before each tick.
  std::vector<std::string> shown, tips;
  for (const char* typed : {"a", "A", "a", "a"}) {
    shown.push_back(TypeAndTick(typed));
    tips.push_back(Text(kTip));
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"A*", "A", "A*", "D"}));
  EXPECT_EQ(tips, (std::vector<std::string>{"Your score: 0", "Your score: 1", "Your score: 2",
                                            "Your score: 3"}));
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
  for (const std::string pattern : {"", "kk", "k ", " k", "k*", "other"}) {
    StartAndReachFirstTick(kRandomButton);
    const char key = ShownKey()[0];
    std::string typed = pattern == "other" ? (key == 's' ? "a" : "s") : pattern;
    for (char& c : typed) c = c == 'k' ? key : c;
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
