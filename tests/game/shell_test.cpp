#include "tests/game/game_fixture.h"

namespace {

TEST_F(GameTest, Start_PlaysTheTrackTwiceAndTheMusicButtonToggles) {
  EXPECT_FALSE(w.controls[kInput].enabled);
  const std::string track = dir.Path() + "BackgroundMusic.wav";
  w.Click(kMusic);
  w.Click(kMusic);
  EXPECT_EQ(host.sounds, (Strings{track, track, "stop", track}));

  // Leaving the start dialog ends the window, after the track and the best score.
  dir.Write("best.data", "12");
  CGameDialog refused(host);
  ScriptedWindow& left = OpenGame(refused, false);
  EXPECT_TRUE(left.ended);
  EXPECT_EQ(left.Text(kBest), "Best score: 12");
  EXPECT_EQ(host.sounds.size(), 6u);
}

TEST_F(GameTest, Arming_CountsDownOnceWithTheChecksOfTheClick) {
  w.Click(kRandomMode);
  EXPECT_EQ(Texts({kInput, kTip, kMode}),
            (Strings{"Click me", "Click the control.", "Mode:Random"}));
  w.Type(kInput, "a");
  w.Click(kHellMode);  // both set back by the next countdown tick: the game keeps its start
  host.Advance(2000);
  EXPECT_EQ(Texts({kDisplay, kInput}), (Strings{"1", ""}));
  EXPECT_EQ(w.ItemCheck(kHellMode), 0);
  w.Focus(kExit);
  w.Focus(kInput);  // a second focus starts nothing
  host.Advance(700);
  EXPECT_EQ(w.Text(kSpeed), "Speed: 0.6800/s");
}

TEST_F(GameTest, WaysOut_AskReallyWhileTheGameTicksEnterEndsResetStartsANewCopy) {
  // Esc and the close box come to the dialog as Cancel and the Close command.
  for (const int way : {kCancel, int(kCloseCommand), kExit}) {
    for (const int answer : {kCancel, kOk}) {
      CGameDialog game(host);
      ScriptedWindow& window = OpenGame(game);
      window.Click(kRandomMode);
      window.Focus(kInput);
      host.AnswerBox([&](const std::string& text) {
        host.Advance(1000);
        EXPECT_EQ(text + " " + window.Text(kDisplay), "Really? 2");
        return answer;
      });
      way == int(kCloseCommand) ? game.OnSysCommand(way) : game.OnCommand(way);
      EXPECT_EQ(window.ended, answer == kOk);
      game.OnCommand(kOk);  // Enter in the input box or on a check box: at once, unasked
      EXPECT_TRUE(window.ended);
    }
  }
  EXPECT_EQ(host.boxes.size(), 6u);
  w.Click(kReset);
  EXPECT_TRUE(w.ended);
  EXPECT_EQ(host.started, Strings{host.executablePath});
}

}  // namespace
