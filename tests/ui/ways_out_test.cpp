#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/game_window.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(WaysOut, EachAsksReallyWhileTheGameTicksAndOnlyOkEndsTheWindow) {
  const std::pair<const char*, std::function<void(ScriptedWindow&)>> waysOut[] = {
      {"Exit", [](ScriptedWindow& w) { w.Click(1002); }},
      {"Esc", [](ScriptedWindow& w) { w.PressEscape(); }},
      {"close box", [](ScriptedWindow& w) { w.CloseBox(); }},
      {"popup Close", [](ScriptedWindow& w) { w.ChooseSystemMenu(SC_CLOSE); }},
  };
  for (const auto& [name, leave] : waysOut) {
    for (const int answer : {IDOK, IDCANCEL}) {
      SCOPED_TRACE(std::string(name) + (answer == IDOK ? ", OK" : ", Cancel"));
      ScriptedHost host;
      CGameDialog dlg;
      ScriptedWindow& w = OpenGameWindow(host, dlg);
      w.Click(1005);
      w.Focus(1007);
      host.Advance(2000);  // the countdown has reached "1" and started the game timer
      std::string displayWhileAsked;
      host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
        host.Advance(700);
        displayWhileAsked = w.ItemText(1001);
        return answer;
      });
      leave(w);
      ASSERT_EQ(host.messageBoxes.size(), 1u);
      EXPECT_EQ(host.messageBoxes[0].text, "Really?");
      EXPECT_EQ(host.messageBoxes[0].type, MB_OKCANCEL);
      EXPECT_EQ(host.messageBoxes[0].caption, "Quellabox");
      EXPECT_EQ(displayWhileAsked.find_first_of("ASDJKL"), 0u) << displayWhileAsked;
      EXPECT_EQ(w.Ended(), answer == IDOK);
      EXPECT_EQ(w.EndCode(), 0);
      EXPECT_EQ(w.TimerRunning(TIMER_RANDOM), answer == IDCANCEL);
    }
  }
}

TEST(WaysOut, EnterInTheInputBoxMidGameEndsAtOnceAndStoresNothing) {
  TempDir dir;
  ScriptedHost host;
  host.executablePath = dir.Path() + "Quellabox";
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  w.Click(1005);
  w.Focus(1007);
  host.Advance(2700);
  w.Type(1007, "a");

  w.PressEnter();
  EXPECT_TRUE(w.Ended());
  EXPECT_EQ(w.EndCode(), IDOK);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_FALSE(dir.Exists("best.data"));
  EXPECT_EQ(dlg.m_strInput, "a");  // the inherited OK read the controls on its way out
}

TEST(WaysOut, ResetEndsAndStartsExactlyOneNewCopyOfItself) {
  ScriptedHost host;
  host.executablePath = "/home/player/Spiele/Quellabox ä/Quellabox";
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  w.Click(1010);

  EXPECT_TRUE(w.Ended());
  EXPECT_EQ(w.EndCode(), 0);
  EXPECT_EQ(host.programsStarted, std::vector<std::string>{host.executablePath});
  EXPECT_TRUE(host.messageBoxes.empty());
}

}  // namespace
