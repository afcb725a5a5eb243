#include <string>
#include <tuple>

#include "tests/game/game_test_support.h"

namespace {

constexpr char kIllegal[] = "ERROR:The mode is illegal.";

using Countdown = GameTest;

TEST_F(Countdown, ShowsThreeTwoOneAndStartsTheModesTimerOnItsSecondTick) {
  for (const unsigned timer : {TIMER_RANDOM, TIMER_FIXED}) {
    SCOPED_TRACE(timer);
    const unsigned other = timer == TIMER_RANDOM ? TIMER_FIXED : TIMER_RANDOM;
    if (timer == TIMER_FIXED) ChooseKeyFileWith("00000003aab");
    const std::string keyFileLine = timer == TIMER_FIXED ? "vts info: 0/3" : "";
    const int defaults = w.DefaultCalls();
    StartWith(timer == TIMER_RANDOM ? kRandomButton : kFixedButton);
    EXPECT_EQ(Text(kInput), "");
    EXPECT_EQ(Text(kDisplay), "3");
    EXPECT_EQ(Text(kTip), "Click the control.");
    EXPECT_EQ(Text(kKeyFileLine), keyFileLine);
    host.Advance(999);
    EXPECT_EQ(Text(kDisplay), "3");
    host.Advance(1);
    EXPECT_EQ(Text(kDisplay), "2");
    EXPECT_FALSE(w.TimerRunning(timer));
    host.Advance(1000);
    EXPECT_EQ(Text(kDisplay), "1");
    EXPECT_FALSE(w.TimerRunning(TIMER_COUNTDOWN));
    EXPECT_EQ(w.TimerPeriod(timer), 700);
    EXPECT_FALSE(w.TimerRunning(other));
    EXPECT_EQ(w.DefaultCalls() - defaults, 2);

    // "1" stays for one interval, not for a second.
    host.Advance(699);
    EXPECT_EQ(Text(kDisplay), "1");
    host.Advance(1);
    EXPECT_NE(Text(kDisplay), "1");
  }
}

TEST_F(Countdown, TypedTextAndCheckBoxesChangedSinceTheModeClickAreSetBack) {
  w.Click(kRandomButton);
  w.Click(kHellMode);
  w.Click(kNoSpeedChange);
  w.Focus(kInput);
  EXPECT_EQ(w.Item(kHellMode).check, 0);
  EXPECT_EQ(w.Item(kNoSpeedChange).check, 0);
  EXPECT_EQ(dlg.m_nInitialInterval, 700);
  EXPECT_TRUE(host.messageBoxes.empty());

  // And on each count.
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

TEST_F(Countdown, ARandomModeClickDuringItReArmsAndAClickIntoTheBoxRestartsItFromThree) {
  ChooseKeyFileWith("00000002ab");
  StartWith(kFixedButton);
  host.Advance(1000);
  w.Click(kRandomButton);
  EXPECT_EQ(Text(kInput), "Click me");
  EXPECT_TRUE(w.TimerRunning(TIMER_COUNTDOWN));  // the count goes on
  host.Advance(500);
  w.Focus(kInput);
  EXPECT_EQ(Text(kDisplay), "3");
  host.Advance(999);
  EXPECT_EQ(Text(kDisplay), "3");  // the period started again
  host.Advance(1001);
  EXPECT_EQ(Text(kDisplay), "1");
  EXPECT_TRUE(w.TimerRunning(TIMER_RANDOM));  // the label at the count of 1 decides
  EXPECT_FALSE(w.TimerRunning(TIMER_FIXED));
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
  const auto state = [this] {
    return std::tuple(Text(kDisplay), Text(kTip), Text(kSpeedLine), Text(kInput), dlg.m_nInterval,
                      dlg.m_nScore, w.DefaultCalls());
  };
  const auto before = state();
  dlg.OnTimer(5);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, kIllegal);
  EXPECT_EQ(state(), before);
}

}  // namespace
