#include <set>

#include "tests/game/game_fixture.h"

namespace {

TEST_F(GameTest, Schedule_FollowsEachStartingIntervalTickByTick) {
  struct Schedule {
    bool hell, noSpeedChange;      // at the mode click
    std::set<std::size_t> clicks;  // No speed change is clicked before these ticks
    std::vector<int> periods;      // after each tick from the first
    std::vector<std::pair<std::size_t, const char*>> lines;
  };
  const Schedule schedules[] = {
      // 20 ms off each tick for the first 100 ms below the start, then 5.
      {false, false, {}, {680, 660, 640, 620, 600, 580, 575, 570}, {{0, "0.6800"}, {6, "0.5750"}}},
      {true, false, {}, {480, 460, 440, 420, 400, 380, 375}, {{0, "0.4800"}, {6, "0.3750"}}},
      // Chosen at the click, unticked while "1" shows.
      {true, true, {0}, {380, 360, 340, 320, 300, 280, 275}, {{0, "0.3800"}, {6, "0.2750"}}},
      // No speed change freezes the period; the line drifts by 0.0010 a tick.
      {true, true, {}, {400, 400, 400}, {{0, "0.3990"}, {2, "0.3970"}}},
      // Ticked and unticked mid-game.
      {false, false, {3, 6}, {680, 660, 640, 640, 640, 640, 617}, {{3, "0.6390"}, {6, "0.6170"}}},
  };

  for (const Schedule& s : schedules) {
    SCOPED_TRACE(::testing::PrintToString(s.periods));
    if (w.ItemCheck(kHellMode) != int(s.hell)) w.Click(kHellMode);
    if (w.ItemCheck(kNoSpeedChange) != int(s.noSpeedChange)) w.Click(kNoSpeedChange);
    w.Click(kRandomMode);
    w.Focus(kInput);
    host.Advance(2000);
    std::vector<int> periods;
    Strings lines;
    for (std::size_t tick = 0; tick < s.periods.size(); ++tick) {
      if (s.clicks.count(tick)) w.Click(kNoSpeedChange);
      if (tick > 0) w.Type(kInput, ShownKey());
      host.Advance(w.TimerPeriod(TIMER_RANDOM));
      periods.push_back(w.TimerPeriod(TIMER_RANDOM));
      lines.push_back(w.Text(kSpeed));
    }
    EXPECT_EQ(periods, s.periods);
    for (const auto& [tick, line] : s.lines) {
      EXPECT_EQ(lines.at(tick), std::string("Speed: ") + line + "/s") << tick;
    }
  }
}

TEST_F(GameTest, Schedule_BelowZeroShowsTheSignedIntervalAndTicksEvery10Ms) {
  StartAndReachFirstTick(kRandomMode);
  Strings lines;
  for (int hit = 0; hit < 123; ++hit) {
    ASSERT_NE(TypeAndTick(ShownKey()), "FINISH");
    lines.push_back(w.Text(kSpeed));
  }
  EXPECT_EQ(
      Strings(lines.end() - 4, lines.end()),
      (Strings{"Speed: 0.0050/s", "Speed: 0.0000/s", "Speed: -0.0050/s", "Speed: -0.0100/s"}));
  EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), 10);
  EXPECT_EQ(w.Text(kTip), "Your score: 122");  // the hits before the last tick
}

}  // namespace
