#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/game_app.h"
#include "tests/support/game_window.h"
#include "tests/support/temp_dir.h"

namespace {

using Strings = std::vector<std::string>;

TEST(Startup, MainWindowOpensWithItsFirstStateAfterStratGame) {
  TempDir dir;
  dir.Write("best.data", std::string("42\0\0\0\0\0\0", 8));
  ScriptedHost host;
  host.executablePath = dir.Path() + "Quellabox";
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);

  dlg.UpdateData(true);
  EXPECT_FALSE(w.Ended());
  EXPECT_EQ((Strings{dlg.m_strDisplay, dlg.m_strMode, dlg.m_strInput, dlg.m_strTip, dlg.m_strBest,
                     dlg.m_strKeyFileInfo, dlg.m_strSpeed, dlg.m_strExeDir}),
            (Strings{"ARE YOU READY?", "Mode:None", "", "Please select a mode to start.",
                     "Best score: 42",  // read beside the executable
                     "", "", dir.Path()}));
  EXPECT_EQ(
      (std::vector<int>{dlg.m_bHellMode, dlg.m_bNoSpeedChange, dlg.m_bMusicOn, dlg.m_bStarted}),
      (std::vector<int>{0, 0, 1, 0}));
  EXPECT_FALSE(w.Item(1007).enabled);
  EXPECT_FALSE(w.Item(IDCANCEL).visible);
  EXPECT_EQ(w.FocusedId(), 1000);
  // The unbound hint keeps its template text; the bound statics lost theirs.
  EXPECT_EQ(w.Item(1014).text, "Choose checkboxes before you click\nthe mode button.");
  EXPECT_EQ(w.Item(1017).text, "");
  ASSERT_TRUE(w.Item(1001).font && w.Item(1014).font);
  EXPECT_EQ(w.Item(1001).font->height, 96);
  EXPECT_EQ(w.Item(1001).font->face, "微软雅黑");
  EXPECT_EQ(w.Item(1014).font->height, 16);
  EXPECT_FALSE(w.Item(1004).font.has_value());
  EXPECT_EQ(w.Icon(true), IDR_MAINFRAME);
  EXPECT_EQ(w.Icon(false), IDR_MAINFRAME);

  const auto& menu = w.SystemMenu();
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[0].id, SC_CLOSE);
  EXPECT_EQ(menu[1].flags, MF_SEPARATOR);
  EXPECT_EQ(menu[2].id, IDM_ABOUTBOX);
  EXPECT_EQ(menu[2].text, "关于 Quellabox(&A)...");
}

TEST(Startup, RefusingTheStartDialogEndsBeforeInputButStillStartsTheMusicAndReadsTheBest) {
  TempDir dir;
  dir.Write("best.data", "7");
  ScriptedHost host;
  host.executablePath = dir.Path() + "Quellabox";
  host.OnModal(129, [](ScriptedWindow& start) { start.Click(IDCANCEL); });
  CGameDialog dlg;
  ScriptedWindow& w = host.Open(dlg);

  EXPECT_TRUE(w.Ended());
  EXPECT_EQ(w.EndCode(), 0);
  EXPECT_EQ(w.FocusedId(), 0);
  ASSERT_EQ(host.sounds.size(), 2u);
  EXPECT_TRUE(host.sounds[0].play && host.sounds[1].play);
  EXPECT_EQ(host.sounds[1].path, dir.Path() + "BackgroundMusic.wav");
  EXPECT_EQ(dlg.m_strBest, "Best score: 7");
}

TEST(Startup, TheStartDialogStartsTheGameOnlyByStratGame) {
  using Answer = std::function<void(ScriptedWindow&)>;
  const std::pair<Answer, bool> answers[] = {
      {[](ScriptedWindow& w) { w.PressEnter(); }, true},
      {[](ScriptedWindow& w) { w.Click(IDCANCEL); }, false},
      {[](ScriptedWindow& w) { w.PressEscape(); }, false},
      {[](ScriptedWindow& w) { w.CloseBox(); }, false},
      {[](ScriptedWindow& w) {
         w.Tab();
         w.PressEnter();  // on EXIT
       },
       false},
  };
  for (const auto& [answer, started] : answers) {
    ScriptedHost host;
    host.OnModal(129, answer);
    CGameDialog dlg;
    EXPECT_EQ(host.Open(dlg).Ended(), !started);
  }
}

TEST(Startup, TheApplicationRunsTheMainWindowModallyAndReturnsFalse) {
  ScriptedHost host;
  host.OnModal(129, [](ScriptedWindow& start) { start.Click(IDOK); });
  host.OnModal(102, [](ScriptedWindow& w) { w.Click(1002); });  // Exit, "Really?" OK
  CGameApp app;

  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(host.modalRuns, (std::vector<int>{102, 129}));
  EXPECT_EQ(app.m_pMainWnd, nullptr);
}

}  // namespace
