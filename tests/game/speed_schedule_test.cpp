#include <set>
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
      ASSERT_EQ(DisplayAfter(w.TimerPeriod(TIMER_RANDOM) - 1), before) << "a tick came early";
      host.Advance(1);
      Note();
    }
  }
  void Note() {
    ASSERT_TRUE(w.TimerRunning(TIMER_RANDOM));
    periods.push_back(w.TimerPeriod(TIMER_RANDOM));
    lines.push_back(Text(kSpeedLine));
  }

  std::vector<int> periods;
  std::vector<std::string> lines;
};

TEST_F(SpeedSchedule, FollowsEachStartingIntervalTickByTick) {
  struct Schedule {
    bool hell, noSpeedChange;      // at the mode click
    std::set<std::size_t> clicks;  // No speed change is clicked before these ticks
    std::vector<int> periods;      // after each tick from the first
    std::vector<std::pair<std::size_t, const char*>> lines;
  };
  const Schedule schedules[] = {
      // 20 ms off each tick for the first 100 ms below the start, then 5.
      {false,
       false,
       {},
       {680, 660, 640, 620, 600, 580, 575, 570, 565},
       {{0, "0.6800"}, {5, "0.5800"}, {6, "0.5750"}, {8, "0.5650"}}},
      {true, false, {}, {480, 460, 440, 420, 400, 380, 375, 370}, {{0, "0.4800"}, {6, "0.3750"}}},
      // Chosen at the click, unticked while "1" shows.
      {true, true, {0}, {380, 360, 340, 320, 300, 280, 275, 270}, {{0, "0.3800"}, {7, "0.2700"}}},
      // No speed change freezes the period; the line drifts by 0.0010 a tick.
      {true, true, {}, {400, 400, 400}, {{0, "0.3990"}, {1, "0.3980"}, {2, "0.3970"}}},
      {false,
       false,
       {3, 6},
       {680, 660, 640, 640, 640, 640, 617, 597},
       {{3, "0.6390"}, {4, "0.6380"}, {5, "0.6370"}, {6, "0.6170"}}},
  };
  for (const Schedule& s : schedules) {
    SCOPED_TRACE(::testing::PrintToString(s.periods));
    if (w.Item(kHellMode).check != int(s.hell)) w.Click(kHellMode);
    if (w.Item(kNoSpeedChange).check != int(s.noSpeedChange)) w.Click(kNoSpeedChange);
    periods.clear();
    lines.clear();
    StartWith(kRandomButton);
    host.Advance(2000);
    for (std::size_t tick = 0; tick < s.periods.size(); ++tick) {
      if (s.clicks.count(tick)) w.Click(kNoSpeedChange);
      if (tick == 0) {
        host.Advance(dlg.m_nInitialInterval);
        Note();
      } else {
        PlayHits(1);
      }
    }
    EXPECT_EQ(periods, s.periods);
    for (const auto& [tick, line] : s.lines) {
      EXPECT_EQ(lines.at(tick), std::string("Speed: ") + line + "/s") << tick;
    }
  }
}

TEST_F(SpeedSchedule, BelowZeroTheLineShowsTheSignedIntervalAndTicksComeEvery10Ms) {
  StartAndReachFirstTick(kRandomButton);
  PlayHits(123);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 4, lines.end()),
            (std::vector<std::string>{"Speed: 0.0050/s", "Speed: 0.0000/s", "Speed: -0.0050/s",
                                      "Speed: -0.0100/s"}));
  EXPECT_EQ(std::vector<int>(periods.end() - 3, periods.end()), (std::vector<int>{10, 10, 10}));
  EXPECT_EQ(dlg.m_nInterval, -10);
  EXPECT_EQ(dlg.m_nScore, 123);
}

}  // namespace
