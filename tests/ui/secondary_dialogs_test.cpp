#include <gtest/gtest.h>

#include "data/website.h"
#include "tests/support/game_window.h"
#include "ui/about_dialog.h"
#include "ui/help_dialog.h"
#include "ui/start_dialog.h"

namespace {

const std::string kWebsite = kWebsiteAddress;

TEST(HelpDialog, ShowsTheTenHelpLinesWhole) {
  const std::string expected =
      "It's simple! Just follow the tips and press the keyboard.\n"
      "\"*\" means the same word appears again.\n"
      "As time goes on, the speed will be faster and faster. Are you ready?\n"
      "You can choose [No speed change] so that it won't get faster, but the initial speed will "
      "get faster.\n"
      "You can choose [Hell mode] and try hell mode. It's a little difficult. You can do it.\n"
      "In fixed mode, there are not only six keys('a','s','d','J','k','l').\n"
      "Do you want to get more vantosh files (*. VTS)? Visit our website for more information, \n"
      "or you can use the tools on our website to make your own.\n"
      "Our website is: " +
      kWebsite +
      "\n"
      "Enjoy yourself!";
  ScriptedHost host;
  CHelpDialog help;
  ScriptedWindow& w = host.Open(help);
  EXPECT_EQ(help.m_strHelp, expected);
  EXPECT_EQ(w.ItemText(1008), expected);
  EXPECT_EQ(w.Template().caption, "How to play it?");
}

TEST(HelpAndAbout, VisitOpensTheWebsiteEachTimeAndEnterEscOrTheCloseBoxOnlyClose) {
  for (int closing = 0; closing < 3; ++closing) {
    for (int templateId : {130, 100}) {
      SCOPED_TRACE(templateId);
      ScriptedHost host;
      CHelpDialog help;
      CAboutDialog about;
      ScriptedWindow& w = host.Open(templateId == 130 ? static_cast<CDialog&>(help) : about);
      EXPECT_EQ(w.FocusedId(), IDOK);
      w.Click(1000);
      w.Click(1000);
      EXPECT_FALSE(w.Ended());
      EXPECT_EQ(host.shellOpened, (std::vector<std::string>{kWebsite, kWebsite}));
      w.Focus(IDOK);
      if (closing == 0) w.PressEnter();
      if (closing == 1) w.PressEscape();
      if (closing == 2) w.CloseBox();
      EXPECT_TRUE(w.Ended()) << closing;
      EXPECT_EQ(host.shellOpened.size(), 2u) << closing;
    }
  }
}

TEST(AboutDialog, NamesTheGameVersionCopyrightAndWebsite) {
  ScriptedHost host;
  CAboutDialog about;
  const DialogTemplate& tpl = host.Open(about).Template();
  EXPECT_EQ(tpl.caption, "ABOUT VANTOSH");
  ASSERT_GE(tpl.controls.size(), 5u);
  EXPECT_EQ(tpl.controls[1].caption, "VANTOSH  Ver:1.1");
  const std::string& copyright = tpl.controls[2].caption;
  EXPECT_EQ(copyright.substr(0, 4), "    ");
  EXPECT_EQ(copyright.substr(copyright.find('\n') + 1), kWebsite);
  EXPECT_EQ(tpl.controls[4].caption, "英文的游戏更能彰显您的气质！所以，尽情体验吧！");
  EXPECT_TRUE(tpl.controls[4].Has("disabled"));
}

TEST(StartDialog, OpensWithItsTitleFontFocusOnStratGameAndTheMusic) {
  ScriptedHost host;
  CStartDialog start;
  ScriptedWindow& w = host.Open(start);
  EXPECT_EQ(w.Template().caption, "Game-start dialog   [game by orlavo]");
  EXPECT_EQ(w.FocusedId(), IDOK);
  EXPECT_EQ(w.ItemText(IDOK), "STRAT GAME");
  ASSERT_TRUE(w.Item(1012).font.has_value());
  EXPECT_EQ(w.Item(1012).font->height, 42);
  ASSERT_EQ(host.sounds.size(), 1u);
  EXPECT_EQ(host.sounds[0].path, "/opt/quellabox/BackgroundMusic.wav");

  host.OnModal(100, [](ScriptedWindow& about) { about.PressEscape(); });
  host.OnModal(100, [](ScriptedWindow& about) { about.Click(IDOK); });
  w.Click(1000);
  w.Click(1000);
  EXPECT_EQ(host.modalRuns, (std::vector<int>{129, 100, 100}));
  EXPECT_FALSE(w.Ended());
  EXPECT_EQ(host.sounds.size(), 1u);  // the About dialog leaves the music alone
  w.Click(IDOK);
  EXPECT_EQ(w.EndCode(), 78);
}

TEST(SecondaryDialogs, HelpAndThePopupsAboutItemOpenWhileTheGameRunsOnBehind) {
  for (const int templateId : {130, 100}) {
    SCOPED_TRACE(templateId);
    ScriptedHost host;
    CGameDialog dlg;
    ScriptedWindow& w = OpenGameWindow(host, dlg);
    w.Click(1005);
    w.Focus(1007);
    std::string displayInDialog;
    host.OnModal(templateId, [&](ScriptedWindow& dialog) {
      host.Advance(2000);
      displayInDialog = w.ItemText(1001);
      dialog.PressEnter();
    });
    if (templateId == 130) {
      w.Click(1000);  // "How to play it?"
    } else {
      w.ChooseSystemMenu(IDM_ABOUTBOX | 0x0003);  // the low four bits do not count
    }
    EXPECT_EQ(host.modalRuns, (std::vector<int>{102, 129, templateId}));
    EXPECT_EQ(displayInDialog, "1");  // the countdown ran on behind it
    EXPECT_TRUE(w.TimerRunning(TIMER_RANDOM));
    EXPECT_FALSE(w.Ended());
  }
}

}  // namespace
