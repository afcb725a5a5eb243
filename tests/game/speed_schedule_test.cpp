#include <string>
#include <utility>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

class SpeedSchedule : public GameTest {
 protected:
  // Hits the shown key for `ticks` ticks, noting the period and the speed line each tick
  // leaves, and checks that no tick comes early.
  void PlayHits(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      w.Type(kInput, ShownKey());
      const std::string before = Text(kDisplay);
      host.Advance(w.TimerPeriod(TIMER_RANDOM) - 1);
      ASSERT_EQ(Text(kDisplay), before) << "a tick came early";
      host.Advance(1);
      Note();
    }
  }
  void Note() {
    ASSERT_TRUE(w.TimerRunning(TIMER_RANDOM));
    periods.push_back(w.TimerPeriod(TIMER_RANDOM));
    lines.push_back(Text(kSpeedLine));
  }
  static std::string Line(const char* number) { return std::string("Speed: ") + number + "/s"; }

  std::vector<int> periods;
  std::vector<std::string> lines;
};

TEST_F(SpeedSchedule, FollowsEachStartingIntervalTickByTick) {
  struct Schedule {
    bool hell;
    int noSpeedChange;         // 1 ticked, 2 ticked at the mode click and unticked while "1" shows
    std::vector<int> periods;  // after each tick from the first
    std::vector<std::pair<std::size_t, const char*>> lines;
  };
  const Schedule schedules[] = {
      // 20 ms off each tick for the first 100 ms below the start, then 5.
      {false,
       0,
       {680, 660, 640, 620, 600, 580, 575, 570, 565},
       {{0, "0.6800"}, {5, "0.5800"}, {6, "0.5750"}, {8, "0.5650"}}},
      {true, 0, {480, 460, 440, 420, 400, 380, 375, 370}, {{0, "0.4800"}, {6, "0.3750"}}},
      {true, 2, {380, 360, 340, 320, 300, 280, 275, 270}, {{0, "0.3800"}, {7, "0.2700"}}},
      // No speed change: the period stays, the line drifts by 0.0010 a tick.
      {true, 1, {400, 400, 400}, {{0, "0.3990"}, {1, "0.3980"}, {2, "0.3970"}}},
  };
  for (const Schedule& s : schedules) {
    SCOPED_TRACE(s.periods[0]);
    if (w.Item(kHellMode).check != int(s.hell)) w.Click(kHellMode);
    if (w.Item(kNoSpeedChange).check != int(s.noSpeedChange != 0)) w.Click(kNoSpeedChange);
    periods.clear();
    lines.clear();
    StartWith(kRandomButton);
    host.Advance(2000);
    if (s.noSpeedChange == 2) w.Click(kNoSpeedChange);
    host.Advance(dlg.m_nInitialInterval);
    Note();
    PlayHits(static_cast<int>(s.periods.size()) - 1);
    EXPECT_EQ(periods, s.periods);
    for (const auto& [tick, line] : s.lines) EXPECT_EQ(lines.at(tick), Line(line)) << tick;
  }
}

TEST_F(SpeedSchedule, NoSpeedChangeTickedMidGameFreezesThePeriodUntilUnticked) {
  StartAndReachFirstTick(kRandomButton);
  Note();
  PlayHits(2);
  w.Click(kNoSpeedChange);  // before the fourth tick
  PlayHits(3);
  w.Click(kNoSpeedChange);
  PlayHits(2);
  EXPECT_EQ(periods, (std::vector<int>{680, 660, 640, 640, 640, 640, 617, 597}));
  EXPECT_EQ(
      std::vector<std::string>(lines.begin() + 3, lines.begin() + 7),
      (std::vector<std::string>{Line("0.6390"), Line("0.6380"), Line("0.6370"), Line("0.6170")}));
}

TEST_F(SpeedSchedule, BelowZeroTheLineShowsTheSignedIntervalAndTicksComeEvery10Ms) {
  StartAndReachFirstTick(kRandomButton);
  Note();
  PlayHits(123);
  EXPECT_EQ(
      std::vector<std::string>(lines.end() - 4, lines.end()),
      (std::vector<std::string>{Line("0.0050"), Line("0.0000"), Line("-0.0050"), Line("-0.0100")}));
  EXPECT_EQ(std::vector<int>(periods.end() - 3, periods.end()), (std::vector<int>{10, 10, 10}));
  EXPECT_EQ(dlg.m_nInterval, -10);
  EXPECT_EQ(dlg.m_nScore, 123);
}

}  // namespace
