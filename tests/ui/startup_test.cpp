#include <gtest/gtest.h>

#include "app/game_app.h"
#include "tests/support/game_window.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(Startup, MainWindowOpensWithItsFirstStateAfterStratGame) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);

  dlg.UpdateData(true);
  EXPECT_FALSE(w.Ended());
  EXPECT_EQ(dlg.m_strDisplay, "ARE YOU READY?");
  EXPECT_EQ(dlg.m_strMode, "Mode:None");
  EXPECT_EQ(dlg.m_strInput, "");
  EXPECT_EQ(dlg.m_strTip, "Please select a mode to start.");
  EXPECT_EQ(dlg.m_strBest, "Best score: ");
  EXPECT_EQ(dlg.m_bHellMode, 0);
  EXPECT_EQ(dlg.m_bNoSpeedChange, 0);
  EXPECT_EQ(dlg.m_strKeyFileInfo, "");
  EXPECT_EQ(dlg.m_strSpeed, "");
  EXPECT_TRUE(dlg.m_bMusicOn);
  EXPECT_FALSE(dlg.m_bStarted);

  EXPECT_FALSE(w.Item(1007).enabled);
  EXPECT_FALSE(w.Item(IDCANCEL).visible);
  EXPECT_EQ(w.FocusedId(), 1000);
  // The unbound hint keeps its template text; the bound statics lost theirs.
  EXPECT_EQ(w.Item(1014).text, "Choose checkboxes before you click\nthe mode button.");
  EXPECT_EQ(w.Item(1017).text, "");
}

TEST(Startup, SetsTheDisplayAndHintFontsAndTheIcons) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);

  ASSERT_TRUE(w.Item(1001).font.has_value());
  EXPECT_EQ(w.Item(1001).font->height, 96);
  EXPECT_EQ(w.Item(1001).font->face, "微软雅黑");
  ASSERT_TRUE(w.Item(1014).font.has_value());
  EXPECT_EQ(w.Item(1014).font->height, 16);
  EXPECT_FALSE(w.Item(1004).font.has_value());
  EXPECT_EQ(w.Icon(true), IDR_MAINFRAME);
  EXPECT_EQ(w.Icon(false), IDR_MAINFRAME);
}

TEST(Startup, SystemMenuEndsWithASeparatorAndTheAboutItem) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);

  const auto& menu = w.SystemMenu();
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[0].id, SC_CLOSE);
  EXPECT_EQ(menu[1].flags, MF_SEPARATOR);
  EXPECT_EQ(menu[2].id, IDM_ABOUTBOX);
  EXPECT_EQ(menu[2].text, "关于 Quellabox(&A)...");
}

TEST(Startup, AnEmptyAboutStringAddsNoMenuItem) {
  ScriptedHost host;
  host.strings[IDS_ABOUTBOX] = "";
  CGameDialog dlg;
  EXPECT_EQ(OpenGameWindow(host, dlg).SystemMenu().size(), 1u);
}

TEST(Startup, ShowsTheStoredBestScoreReadBesideTheExecutable) {
  TempDir dir;
  dir.Write("best.data", std::string("42\0\0\0\0\0\0", 8));
  ScriptedHost host;
  host.executablePath = dir.Path() + "Quellabox";
  CGameDialog dlg;
  OpenGameWindow(host, dlg);

  EXPECT_EQ(dlg.m_strExeDir, dir.Path());
  EXPECT_EQ(dlg.m_strBest, "Best score: 42");
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

TEST(Startup, EveryWayToRefuseTheStartDialogGivesCancel) {
  const std::function<void(ScriptedWindow&)> refusals[] = {
      [](ScriptedWindow& w) { w.Click(IDCANCEL); },
      [](ScriptedWindow& w) { w.PressEscape(); },
      [](ScriptedWindow& w) { w.CloseBox(); },
  };
  for (const auto& refuse : refusals) {
    ScriptedHost host;
    host.OnModal(129, refuse);
    CGameDialog dlg;
    EXPECT_TRUE(host.Open(dlg).Ended());
  }
}

TEST(Startup, EnterOnTheStartDialogStartsTheGameUnlessAnotherButtonHasTheFocus) {
  ScriptedHost host;
  host.OnModal(129, [](ScriptedWindow& w) { w.PressEnter(); });
  CGameDialog accepted;
  EXPECT_FALSE(host.Open(accepted).Ended());

  host.OnModal(129, [](ScriptedWindow& w) {
    w.Tab();
    EXPECT_EQ(w.FocusedId(), IDCANCEL);
    w.PressEnter();
  });
  CGameDialog refused;
  EXPECT_TRUE(host.Open(refused).Ended());
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
