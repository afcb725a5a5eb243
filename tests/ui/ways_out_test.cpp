#include <gtest/gtest.h>

#include <functional>

#include "tests/support/game_window.h"
#include "tests/support/temp_dir.h"

namespace {

using WayOut = std::function<void(ScriptedWindow&)>;

const std::pair<const char*, WayOut> kConfirmedWaysOut[] = {
    {"Exit", [](ScriptedWindow& w) { w.Click(1002); }},
    {"Esc", [](ScriptedWindow& w) { w.PressEscape(); }},
    {"close box", [](ScriptedWindow& w) { w.CloseBox(); }},
    {"popup Close", [](ScriptedWindow& w) { w.ChooseSystemMenu(SC_CLOSE); }},
};

TEST(WaysOut, EachAsksReallyAndOkEndsTheWindow) {
  for (const auto& [name, leave] : kConfirmedWaysOut) {
    ScriptedHost host;
    CGameDialog dlg;
    ScriptedWindow& w = OpenGameWindow(host, dlg);
    host.AnswerMessageBox(IDOK);
    leave(w);
    ASSERT_EQ(host.messageBoxes.size(), 1u) << name;
    EXPECT_EQ(host.messageBoxes[0].text, "Really?") << name;
    EXPECT_EQ(host.messageBoxes[0].type, MB_OKCANCEL) << name;
    EXPECT_EQ(host.messageBoxes[0].caption, "Quellabox") << name;
    EXPECT_TRUE(w.Ended()) << name;
    EXPECT_EQ(w.EndCode(), 0) << name;
  }
}

TEST(WaysOut, CancelKeepsTheWindowAndAGameTicksThroughTheQuestion) {
  for (const auto& [name, leave] : kConfirmedWaysOut) {
    ScriptedHost host;
    CGameDialog dlg;
    ScriptedWindow& w = OpenGameWindow(host, dlg);
    w.Click(1005);
    w.Focus(1007);
    host.Advance(2000);  // the countdown has reached "1" and started the game timer
    ASSERT_TRUE(w.TimerRunning(TIMER_RANDOM)) << name;
    std::string displayWhileAsked;
    host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
      host.Advance(700);
      displayWhileAsked = w.ItemText(1001);
      return IDCANCEL;
    });
    leave(w);
    EXPECT_FALSE(w.Ended()) << name;
    EXPECT_EQ(displayWhileAsked.substr(0, 1).find_first_of("ASDJKL"), 0u) << name;
    EXPECT_TRUE(w.TimerRunning(TIMER_RANDOM)) << name;
  }
}

TEST(WaysOut, EnterInTheInputBoxMidGameEndsAtOnceAndStoresNothing) {
  TempDir dir;
  ScriptedHost host;
  host.executablePath = dir.Path() + "Quellabox";
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  w.Click(1005);
  w.Type(1007, "");
  host.Advance(2700);
  w.Type(1007, "a");

  w.PressEnter();
  EXPECT_TRUE(w.Ended());
  EXPECT_EQ(w.EndCode(), IDOK);
  EXPECT_TRUE(host.messageBoxes.empty());
  EXPECT_FALSE(dir.Exists("best.data"));
  EXPECT_EQ(dlg.m_strInput, "a");  // the inherited OK read the controls on its way out
}

TEST(WaysOut, EnterOnACheckBoxEndsButEnterOnAPushButtonClicksIt) {
  ScriptedHost host;
  CGameDialog onCheckBox;
  ScriptedWindow& first = OpenGameWindow(host, onCheckBox);
  first.Click(1013);
  first.PressEnter();
  EXPECT_TRUE(first.Ended());
  EXPECT_EQ(first.EndCode(), IDOK);

  CGameDialog onButton;
  ScriptedWindow& second = OpenGameWindow(host, onButton);
  second.Click(1005);
  second.PressEnter();  // clicks "Random mode" again
  EXPECT_FALSE(second.Ended());
  EXPECT_EQ(onButton.m_strMode, "Mode:Random");
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

TEST(WaysOut, ThePopupsAboutItemRunsTheAboutDialogAndChangesNothing) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  host.OnModal(100, [](ScriptedWindow& about) { about.PressEnter(); });
  w.ChooseSystemMenu(IDM_ABOUTBOX | 0x0003);  // the low four bits do not count

  EXPECT_EQ(host.modalRuns, (std::vector<int>{102, 129, 100}));
  EXPECT_FALSE(w.Ended());
  dlg.UpdateData(true);
  EXPECT_EQ(dlg.m_strDisplay, "ARE YOU READY?");
}

}  // namespace
