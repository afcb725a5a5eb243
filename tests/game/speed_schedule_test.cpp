#include <string>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

class SpeedSchedule : public GameTest {
 protected:
  // Notes the game timer's period and the speed line as the last tick left them.
  void Note() {
    ASSERT_TRUE(w.TimerRunning(TIMER_RANDOM));
    periods.push_back(w.TimerPeriod(TIMER_RANDOM));
    lines.push_back(Text(kSpeedLine));
  }
  void ReachFirstTick() {
    StartAndReachFirstTick(kRandomButton);
    Note();
  }
  // Hits the shown key for `ticks` more ticks, checking that none comes early.
  void PlayHits(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      TypeShownKey();
      const std::string before = Text(kDisplay);
      host.Advance(w.TimerPeriod(TIMER_RANDOM) - 1);
      ASSERT_EQ(Text(kDisplay), before) << "a tick came early";
      host.Advance(1);
      Note();
    }
  }
  static std::string Line(const char* number) { return std::string("Speed: ") + number + "/s"; }

  std::vector<int> periods;
  std::vector<std::string> lines;
};

TEST_F(SpeedSchedule, From700TwentyOffPerTickDownToTheBoundThenFive) {
  ReachFirstTick();
  PlayHits(8);
  EXPECT_EQ(periods, (std::vector<int>{680, 660, 640, 620, 600, 580, 575, 570, 565}));
  EXPECT_EQ(lines[0], Line("0.6800"));
  EXPECT_EQ(lines[5], Line("0.5800"));
  EXPECT_EQ(lines[6], Line("0.5750"));
  EXPECT_EQ(lines[8], Line("0.5650"));
  EXPECT_EQ(dlg.m_nScore, 8);
}

TEST_F(SpeedSchedule, From500InHellMode) {
  w.Click(kHellMode);
  ReachFirstTick();
  PlayHits(7);
  EXPECT_EQ(periods, (std::vector<int>{480, 460, 440, 420, 400, 380, 375, 370}));
  EXPECT_EQ(lines[6], Line("0.3750"));
}

TEST_F(SpeedSchedule, From400WhenNoSpeedChangeIsUntickedDuringTheOne) {
  w.Click(kHellMode);
  w.Click(kNoSpeedChange);
  StartWith(kRandomButton);
  host.Advance(2000);
  w.Click(kNoSpeedChange);
  host.Advance(400);
  Note();
  PlayHits(7);
  EXPECT_EQ(periods, (std::vector<int>{380, 360, 340, 320, 300, 280, 275, 270}));
  EXPECT_EQ(lines[7], Line("0.2700"));
}

TEST_F(SpeedSchedule, NoSpeedChangeFromTheStartKeepsThePeriodAndLetsTheLineDrift) {
  w.Click(kHellMode);
  w.Click(kNoSpeedChange);
  ReachFirstTick();
  PlayHits(2);
  EXPECT_EQ(periods, (std::vector<int>{400, 400, 400}));
  EXPECT_EQ(lines, (std::vector<std::string>{Line("0.3990"), Line("0.3980"), Line("0.3970")}));
}

TEST_F(SpeedSchedule, NoSpeedChangeTickedMidGameFreezesThePeriodUntilUnticked) {
  ReachFirstTick();
  PlayHits(2);
  w.Click(kNoSpeedChange);  // before the fourth tick
  PlayHits(3);
  w.Click(kNoSpeedChange);
  PlayHits(2);
  EXPECT_EQ(periods, (std::vector<int>{680, 660, 640, 640, 640, 640, 617, 597}));
  EXPECT_EQ(lines[3], Line("0.6390"));
  EXPECT_EQ(lines[4], Line("0.6380"));
  EXPECT_EQ(lines[5], Line("0.6370"));
  EXPECT_EQ(lines[6], Line("0.6170"));
}

TEST_F(SpeedSchedule, BelowZeroTheLineShowsTheSignedIntervalAndTicksComeEvery10Ms) {
  ReachFirstTick();
  PlayHits(120);
  EXPECT_EQ(dlg.m_nInterval, 5);
  EXPECT_EQ(lines.back(), Line("0.0050"));
  PlayHits(3);
  EXPECT_EQ(dlg.m_nInterval, -10);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{Line("0.0000"), Line("-0.0050"), Line("-0.0100")}));
  EXPECT_EQ(std::vector<int>(periods.end() - 3, periods.end()), (std::vector<int>{10, 10, 10}));
  EXPECT_EQ(dlg.m_nScore, 123);
}

TEST_F(SpeedSchedule, TheTickThatEndsTheGameLeavesIntervalAndLineAlone) {
  ReachFirstTick();
  PlayHits(1);
  const int interval = dlg.m_nInterval;
  const std::string line = Text(kSpeedLine);
  NextTick(TIMER_RANDOM);  // nothing typed
  ASSERT_EQ(Text(kDisplay), "FINISH");
  EXPECT_EQ(dlg.m_nInterval, interval);
  EXPECT_EQ(Text(kSpeedLine), line);
}

}  // namespace
