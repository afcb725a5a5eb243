#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/game_window.h"

namespace {

// What the player sees: every control's text and check state.
std::vector<std::pair<std::string, int>> Screen(const ScriptedWindow& w) {
  std::vector<std::pair<std::string, int>> screen;
  for (const ControlTemplate& control : w.Template().controls) {
    if (control.id != -1) screen.emplace_back(w.Item(control.id).text, w.Item(control.id).check);
  }
  return screen;
}

TEST(MusicToggle, PressesStopAndRestartTheTrackByTurnsAndMoveNoData) {
  ScriptedHost host;
  host.executablePath = "/opt/声音 box/Quellabox";
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  ASSERT_TRUE(dlg.m_bMusicOn);
  host.sounds.clear();
  // A tick the members have not read yet, and a member the window has not shown yet.
  w.Click(1013);
  dlg.m_strDisplay = "not shown";
  const auto before = Screen(w);

  for (int press = 1; press <= 4; ++press) {
    w.Click(1003);
    const bool on = press % 2 == 0;
    ASSERT_EQ(host.sounds.size(), static_cast<std::size_t>(press));
    EXPECT_EQ(host.sounds.back().play, on) << press;
    EXPECT_EQ(host.sounds.back().path, on ? "/opt/声音 box/BackgroundMusic.wav" : "") << press;
    EXPECT_EQ(dlg.m_bMusicOn, on) << press;
    EXPECT_EQ(Screen(w), before) << press;
  }
  EXPECT_EQ(w.Item(1003).text, "Turn on/off the music");
  EXPECT_EQ(dlg.m_bHellMode, 0);
  EXPECT_EQ(dlg.m_strDisplay, "not shown");
  EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
