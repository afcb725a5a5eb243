#include <string>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

// Calendar seconds from this epoch on draw, by the classic generator: +2, +3 and +4 A,
// +5 D. The ticks of a 700 ms game fall at 2700, 3380, 4040, 4680 and 5300 ms.
using Strings = std::vector<std::string>;
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

  EXPECT_EQ(Texts({kDisplay, kTip, kInput, kSpeedLine}),  // the first key, never marked
            (Strings{"A", "Your score: 0", "", "Speed: 0.6800/s"}));

  // Lower-case hits; one key within a second alternates with its marker; the score line
  // shows the hits counted before each tick.
  Strings shownAndTips;
  for (const char* typed : {"a", "A", "a", "a"}) {
    shownAndTips.push_back(TypeAndTick(typed));
    shownAndTips.push_back(Text(kTip));
  }
  EXPECT_EQ(shownAndTips, (Strings{"A*", "Your score: 0", "A", "Your score: 1", "A*",
                                   "Your score: 2", "D", "Your score: 3"}));
  const std::string speed = Text(kSpeedLine);
  const int defaults = w.DefaultCalls();

  // The record is announced over the missed key and the typed text in upper case;
  // "FINISH" comes only after the message is closed.
  Strings underTheMessage;
  host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall& box) {
    underTheMessage = {box.text, Text(kDisplay), Text(kInput), Text(kTip)};
    return IDOK;
  });
  EXPECT_EQ(TypeAndTick("dd"), "FINISH");
  EXPECT_EQ(underTheMessage,
            (Strings{"You make the new highest score!", "D", "DD", "Your score: 4"}));
  EXPECT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Texts({kTip, kInput}), (Strings{"Your score: 4\nSELECT ONE MODE TO PLAY AGAIN", ""}));
  EXPECT_EQ(Text(kBestLine), "Best score: 4");
  EXPECT_EQ(Text(kSpeedLine), speed);
  EXPECT_FALSE(w.TimerRunning(TIMER_RANDOM));
  EXPECT_EQ(w.DefaultCalls(), defaults);
  EXPECT_TRUE(w.Item(kInput).enabled);
  EXPECT_EQ(DisplayAfter(5000), "FINISH");
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
