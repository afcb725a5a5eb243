#include <string>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

constexpr char kIllegal[] = "ERROR:The mode is illegal.";

using Countdown = GameTest;

TEST_F(Countdown, ShowsThreeTwoOneAndStartsTheModesTimerOnItsSecondTick) {
  StartWith(kRandomButton);
  EXPECT_EQ(Text(kDisplay), "3");
  host.Advance(999);
  EXPECT_EQ(Text(kDisplay), "3");
  host.Advance(1);
  EXPECT_EQ(Text(kDisplay), "2");
  EXPECT_FALSE(w.TimerRunning(TIMER_RANDOM));
  host.Advance(1000);
  EXPECT_EQ(Text(kDisplay), "1");
  EXPECT_FALSE(w.TimerRunning(TIMER_COUNTDOWN));
  EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), 700);
  EXPECT_FALSE(w.TimerRunning(TIMER_FIXED));
  EXPECT_EQ(w.DefaultCalls(), 2);

  // "1" stays for one interval, not for a second.
  host.Advance(699);
  EXPECT_EQ(Text(kDisplay), "1");
  host.Advance(1);
  EXPECT_NE(Text(kDisplay), "1");
}

TEST_F(Countdown, FixedModeStartsTheFixedTimer) {
  ChooseKeyFileWith("00000001a");
  StartWith(kFixedButton);
  host.Advance(2000);
  EXPECT_EQ(w.TimerPeriod(TIMER_FIXED), 700);
  EXPECT_FALSE(w.TimerRunning(TIMER_RANDOM));
}

TEST_F(Countdown, ErasesTextTypedAtThreeOrTwoAndSetsTheCheckBoxesBack) {
  StartWith(kRandomButton);
  w.Type(kInput, "asd");
  w.Click(kNoSpeedChange);
  host.Advance(1000);
  EXPECT_EQ(Text(kInput), "");
  EXPECT_EQ(w.Item(kNoSpeedChange).check, 0);

  w.Type(kInput, "j");
  w.Click(kHellMode);
  host.Advance(1000);
  EXPECT_EQ(Text(kInput), "");
  EXPECT_EQ(w.Item(kHellMode).check, 0);
}

TEST_F(Countdown, AChangeWhileOneIsShownCountsFromTheFirstTick) {
  StartWith(kRandomButton);
  host.Advance(2000);
  w.Click(kNoSpeedChange);
  w.Type(kInput, "zz");
  host.Advance(700);
  EXPECT_EQ(w.Item(kNoSpeedChange).check, 1);
  EXPECT_EQ(Text(kInput), "");  // read, never judged
  EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), 700);
  EXPECT_EQ(Text(kSpeedLine), "Speed: 0.6990/s");
}

TEST_F(Countdown, ARandomModeClickDuringIt_ReArmsWhileTheCountGoesOn) {
  ChooseKeyFileWith("00000002ab");
  StartWith(kFixedButton);
  host.Advance(1000);
  w.Click(kRandomButton);
  EXPECT_EQ(Text(kInput), "Click me");
  EXPECT_TRUE(w.TimerRunning(TIMER_COUNTDOWN));

  host.Advance(1000);
  EXPECT_EQ(Text(kDisplay), "1");
  EXPECT_TRUE(w.TimerRunning(TIMER_RANDOM));  // the label at the count of 1 decides
  EXPECT_FALSE(w.TimerRunning(TIMER_FIXED));
}

TEST_F(Countdown, AClickIntoTheReArmedBoxRestartsItFromThree) {
  ChooseKeyFileWith("00000002ab");
  StartWith(kFixedButton);
  host.Advance(1500);
  w.Click(kRandomButton);
  w.Focus(kInput);
  EXPECT_EQ(Text(kDisplay), "3");
  host.Advance(999);
  EXPECT_EQ(Text(kDisplay), "3");  // the period started again
  host.Advance(1);
  EXPECT_EQ(Text(kDisplay), "2");
}

TEST_F(Countdown, AnIllegalModeAtTheSecondTickShowsTheErrorOnceAndStartsNothing) {
  dlg.StartGame();  // never armed: the label still reads "Mode:None"
  host.Advance(2000);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, kIllegal);
  EXPECT_EQ(host.messageBoxes[0].type, MB_OK);
  EXPECT_EQ(Text(kDisplay), "1");
  EXPECT_EQ(w.DefaultCalls(), 1);

  host.Advance(10000);
  EXPECT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(Text(kDisplay), "1");
  for (unsigned id : {TIMER_RANDOM, TIMER_FIXED, TIMER_COUNTDOWN}) {
    EXPECT_FALSE(w.TimerRunning(id)) << id;
  }
}

TEST_F(Countdown, AnUnknownTimerShowsTheErrorAndChangesNothing) {
  StartAndReachFirstTick(kRandomButton);
  w.Type(kInput, "x");
  const std::string display = Text(kDisplay), tip = Text(kTip), speed = Text(kSpeedLine);
  const int interval = dlg.m_nInterval, score = dlg.m_nScore, defaults = w.DefaultCalls();

  dlg.OnTimer(5);

  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, kIllegal);
  EXPECT_EQ(Text(kDisplay), display);
  EXPECT_EQ(Text(kTip), tip);
  EXPECT_EQ(Text(kSpeedLine), speed);
  EXPECT_EQ(Text(kInput), "x");
  EXPECT_EQ(dlg.m_nInterval, interval);
  EXPECT_EQ(dlg.m_nScore, score);
  EXPECT_EQ(w.DefaultCalls(), defaults);
}

TEST_F(Countdown, GoesOnWhileAMessageBoxIsOpen) {
  StartWith(kRandomButton);
  w.Click(kHellMode);
  std::vector<std::string> seen;
  host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
    host.Advance(2000);  // the player reads the question for two seconds
    seen.push_back(Text(kDisplay));
    return IDOK;
  });
  w.Click(kRandomButton);

  EXPECT_EQ(seen, std::vector<std::string>{"1"});
  EXPECT_TRUE(w.TimerRunning(TIMER_RANDOM));
  EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), 700);  // the interval of the game that counted down
  EXPECT_EQ(host.messageBoxes.back().text, "Good luck!");
}

}  // namespace
