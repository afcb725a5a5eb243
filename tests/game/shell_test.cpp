#include "data/website.h"
#include "tests/game/game_fixture.h"

namespace {

TEST_F(GameTest, Start_ShowsTheFirstStateAndPlaysTheTrackTwice) {
  EXPECT_EQ(Texts({kDisplay, kMode, kTip, kBest, kSpeed}),
            (Strings{"ARE YOU READY?", "Mode:None", "Please select a mode to start.",
                     "Best score: ", ""}));
  EXPECT_FALSE(w.controls[kInput].enabled);
  EXPECT_FALSE(w.ended);
  const std::string track = dir.Path() + "BackgroundMusic.wav";
  EXPECT_EQ(host.sounds, (Strings{track, track}));
  // The music button stops it, then starts it from the beginning.
  w.Click(kMusic);
  w.Click(kMusic);
  EXPECT_EQ(host.sounds, (Strings{track, track, "stop", track}));
}

TEST(StartDialog, LeavingEndsTheWindowAfterTheTrackAndTheBestScore) {
  TempDir dir;
  dir.Write("best.data", "12");
  ScriptedHost host;
  host.executablePath = dir.Path() + "Quellabox";
  host.OnModal(kStartDialog, [](ScriptedWindow& start) { start.PressEscape(); });
  CGameDialog dlg(host);
  ScriptedWindow& w = host.Open(dlg);
  EXPECT_TRUE(w.ended);
  EXPECT_EQ(w.Text(kBest), "Best score: 12");
  EXPECT_EQ(host.sounds.size(), 2u);
}

TEST_F(GameTest, Arming_CountsDownOnceAndDiscardsWhatWasTyped) {
  w.Click(kRandomMode);
  EXPECT_EQ(Texts({kInput, kTip, kMode}),
            (Strings{"Click me", "Click the control.", "Mode:Random"}));
  w.Focus(kInput);
  EXPECT_EQ(Texts({kDisplay, kInput}), (Strings{"3", ""}));
  w.Type(kInput, "a");
  w.Click(kHellMode);  // set back by the next countdown tick: the game keeps its start
  host.Advance(1000);
  EXPECT_EQ(Texts({kDisplay, kInput}), (Strings{"2", ""}));
  EXPECT_EQ(w.ItemCheck(kHellMode), 0);
  host.Advance(1000);
  EXPECT_EQ(w.Text(kDisplay), "1");
  EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), 700);
  w.Focus(kExit);
  w.Focus(kInput);  // a second focus starts nothing
  host.Advance(700);
  EXPECT_EQ(w.Text(kSpeed), "Speed: 0.6800/s");
  EXPECT_EQ(w.TimerPeriod(TIMER_COUNTDOWN), 0);
}

TEST_F(GameTest, Arming_HellModeAsksAndACancelledFileOffersTheWebsite) {
  w.Click(kHellMode);
  host.AnswerBox(kCancel);
  w.Click(kRandomMode);
  EXPECT_EQ(w.Text(kMode), "Mode:None");
  w.Click(kRandomMode);  // answered OK
  EXPECT_EQ(w.Text(kMode), "Mode:Random");
  w.Click(kNoSpeedChange);
  w.Click(kFixedMode);  // no question with No speed change; no file chosen
  host.AnswerBox(kCancel);
  w.Click(kFixedMode);
  ASSERT_EQ(host.boxes.size(), 5u);
  EXPECT_EQ(Strings(host.boxes.begin(), host.boxes.begin() + 3),
            (Strings{"Are you sure you choose [Hell mode] ? It's really diffault!",
                     "Are you sure you choose [Hell mode] ? It's really diffault!", "Good luck!"}));
  EXPECT_EQ(host.boxes[3], host.boxes[4]);
  EXPECT_NE(host.boxes[3].find(std::string("website(") + kWebsiteAddress + ")."),
            std::string::npos);
  EXPECT_EQ(host.opened, Strings{kWebsiteAddress});
  EXPECT_EQ(w.Text(kMode), "Mode:Random");
}

TEST_F(GameTest, WaysOut_AskReallyWhileTheGameTicksAndResetStartsANewCopy) {
  struct WayOut {
    const char* name;
    std::function<void(ScriptedWindow&)> act;
  };
  const WayOut ways[] = {{"Esc", [](ScriptedWindow& w) { w.PressEscape(); }},
                         {"close box", [](ScriptedWindow& w) { w.CloseBox(); }},
                         {"Exit", [](ScriptedWindow& w) { w.Click(kExit); }}};
  for (const WayOut& way : ways) {
    for (const int answer : {kCancel, kOk}) {
      SCOPED_TRACE(way.name);
      TempDir folder;
      ScriptedHost host;
      host.executablePath = folder.Path() + "Quellabox";
      host.OnModal(kStartDialog, [](ScriptedWindow& start) { start.Click(kOk); });
      CGameDialog dlg(host);
      ScriptedWindow& w = host.Open(dlg);
      w.Click(kRandomMode);
      w.Focus(kInput);
      std::string shownWhileAsked;
      host.AnswerBox([&](const std::string& text) {
        host.Advance(1000);
        shownWhileAsked = text + " " + w.Text(kDisplay);
        return answer;
      });
      way.act(w);
      EXPECT_EQ(shownWhileAsked, "Really? 2");
      EXPECT_EQ(w.ended, answer == kOk);
    }
  }
  w.Click(kReset);
  EXPECT_TRUE(w.ended);
  EXPECT_EQ(host.started, Strings{host.executablePath});
}

TEST_F(GameTest, HelpAndAboutOpenTheWebsite) {
  host.OnModal(kHelpDialog, [](ScriptedWindow& help) {
    EXPECT_NE(help.Text(kHelpText).find(kWebsiteAddress), std::string::npos);
    help.Click(kVisitWebsite);
  });
  host.OnModal(kAboutDialog, [](ScriptedWindow& about) { about.Click(kVisitWebsite); });
  w.Click(kHowToPlay);
  dlg.OnSysCommand(kAboutCommand);
  EXPECT_EQ(host.opened, (Strings{kWebsiteAddress, kWebsiteAddress}));
}

}  // namespace
