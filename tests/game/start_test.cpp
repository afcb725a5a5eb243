// Arming a game with a mode button, and the countdown that starts when the player clicks
// into the box.
#include <string>
#include <tuple>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

using Strings = std::vector<std::string>;
constexpr char kHellQuestion[] = "Are you sure you choose [Hell mode] ? It's really diffault!";
constexpr char kIllegal[] = "ERROR:The mode is illegal.";

using Arming = GameTest;
using Countdown = GameTest;

TEST_F(Arming, AModeButtonArmsTheBoxAndShowsTheCountOfTheFileAsRead) {
  const std::tuple<int, const char*, const char*, const char*> cases[] = {
      {kRandomButton, nullptr, "Mode:Random", ""},
      {kFixedButton, "00000026abcdefghijklmnopqrstuvwxyz", "Mode:Fixed", "vts info: 0/26"},
      {kFixedButton, "-3      ", "Mode:Fixed", "vts info: 0/-3"},
  };
  for (const auto& [button, file, mode, keyFileLine] : cases) {
    dlg.m_strKeyFileInfo = "vts info: 0/3";
    dlg.m_strSpeed = "Speed: 0.6800/s";
    dlg.UpdateData(false);
    const std::string path = file ? ChooseKeyFileWith(file) : "";
    w.Click(button);
    EXPECT_TRUE(w.Item(kInput).enabled);
    EXPECT_EQ(Texts({kInput, kTip, kModeLabel, kKeyFileLine, kSpeedLine, kDisplay}),
              (Strings{"Click me", "Click the control.", mode, keyFileLine, "", "ARE YOU READY?"}));
    EXPECT_EQ(dlg.m_strKeyFilePath, path);
  }
  EXPECT_FALSE(dlg.m_bStarted);
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(Arming, OnlyHellModeWithSpeedChangeIsAskedAboutAndTheBoxesChooseTheFirstInterval) {
  for (const auto& [hell, noSpeedChange, interval] :
       {std::tuple{0, 0, 700}, {0, 1, 700}, {1, 0, 500}, {1, 1, 400}}) {
    SCOPED_TRACE(interval);
    if (w.Item(kHellMode).check != hell) w.Click(kHellMode);
    if (w.Item(kNoSpeedChange).check != noSpeedChange) w.Click(kNoSpeedChange);
    host.messageBoxes.clear();
    StartWith(kRandomButton);
    EXPECT_EQ(dlg.m_nInitialInterval, interval);
    host.Advance(2000);
    EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), interval);
    const bool asked = hell && !noSpeedChange;
    ASSERT_EQ(host.messageBoxes.size(), asked ? 2u : 0u);
    if (asked) {
      EXPECT_EQ(host.messageBoxes[0].text, kHellQuestion);
      EXPECT_EQ(host.messageBoxes[0].type, MB_OKCANCEL);
      EXPECT_EQ(host.messageBoxes[1].text, "Good luck!");
      EXPECT_EQ(host.messageBoxes[1].type, MB_OK);
    }
  }
}

TEST_F(Arming, RefusingHellModeChangesNothingButStopsARandomGame) {
  StartAndReachFirstTick(kRandomButton);
  const std::string key = Text(kDisplay);
  w.Click(kHellMode);
  host.AnswerMessageBox(IDCANCEL);
  w.Click(kFixedButton);
  EXPECT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_TRUE(host.fileDialogs.empty());
  EXPECT_FALSE(w.TimerRunning(TIMER_RANDOM));
  EXPECT_EQ(Texts({kModeLabel, kDisplay}), (Strings{"Mode:Random", key}));
  EXPECT_TRUE(dlg.m_bStarted);
}

TEST_F(Arming, FixedModeAsksAboutHellModeFirstAndAFileNotChosenLeavesTheArmedGame) {
  w.Click(kRandomButton);
  w.Click(kHellMode);
  host.AnswerFileDialog([](const OpenFileRequest&) { return std::nullopt; });
  host.AnswerMessageBox(IDOK);      // the Hell mode question
  host.AnswerMessageBox(IDOK);      // "Good luck!"
  host.AnswerMessageBox(IDCANCEL);  // the offer of more key files
  w.Click(kFixedButton);
  ASSERT_EQ(host.messageBoxes.size(), 3u);
  EXPECT_EQ(host.messageBoxes[0].text, kHellQuestion);
  EXPECT_EQ(host.fileDialogs.size(), 1u);
  EXPECT_EQ(Texts({kModeLabel, kInput}), (Strings{"Mode:Random", "Click me"}));
  EXPECT_EQ(dlg.m_strKeyFilePath, "");
}

TEST_F(Arming, ClickingIntoTheBoxAgainStartsNothing) {
  StartWith(kRandomButton);
  host.Advance(1000);
  w.Focus(kHellMode);
  w.Focus(kInput);
  w.Tab();
  w.Focus(kInput);
  EXPECT_EQ(DisplayAfter(1000), "1");  // the countdown was not restarted

  // Nor after the game: only a mode button arms the next one.
  ASSERT_EQ(DisplayAfter(700 + 680), "FINISH");
  w.Focus(kHellMode);
  w.Focus(kInput);
  EXPECT_EQ(DisplayAfter(5000), "FINISH");
  EXPECT_FALSE(w.TimerRunning(TIMER_COUNTDOWN));
}

TEST_F(Countdown, ShowsThreeTwoOneAndStartsTheModesTimerOnItsSecondTick) {
  for (const auto& [timer, other] :
       {std::pair{TIMER_RANDOM, TIMER_FIXED}, {TIMER_FIXED, TIMER_RANDOM}}) {
    SCOPED_TRACE(timer);
    if (timer == TIMER_FIXED) ChooseKeyFileWith("00000003aab");
    const int defaults = w.DefaultCalls();
    StartWith(timer == TIMER_RANDOM ? kRandomButton : kFixedButton);
    EXPECT_EQ(
        Texts({kInput, kDisplay, kTip, kKeyFileLine}),
        (Strings{"", "3", "Click the control.", timer == TIMER_FIXED ? "vts info: 0/3" : ""}));
    EXPECT_EQ(DisplayAfter(999), "3");
    EXPECT_EQ(DisplayAfter(1), "2");
    EXPECT_FALSE(w.TimerRunning(timer));
    EXPECT_EQ(DisplayAfter(1000), "1");
    EXPECT_FALSE(w.TimerRunning(TIMER_COUNTDOWN));
    EXPECT_EQ(w.TimerPeriod(timer), 700);
    EXPECT_FALSE(w.TimerRunning(other));
    EXPECT_EQ(w.DefaultCalls() - defaults, 2);
    // "1" stays for one interval, not for a second.
    EXPECT_EQ(DisplayAfter(699), "1");
    EXPECT_NE(DisplayAfter(1), "1");
  }
}

TEST_F(Countdown, SetsBackTypedTextAndCheckBoxesChangedSinceTheModeClick) {
  w.Click(kRandomButton);
  w.Click(kHellMode);
  w.Click(kNoSpeedChange);
  w.Focus(kInput);
  EXPECT_EQ(w.Item(kHellMode).check + w.Item(kNoSpeedChange).check, 0);
  EXPECT_EQ(dlg.m_nInitialInterval, 700);
  EXPECT_TRUE(host.messageBoxes.empty());
  for (const int box : {kNoSpeedChange, kHellMode}) {  // and on each count
    w.Type(kInput, "asd");
    w.Click(box);
    host.Advance(1000);
    EXPECT_EQ(Text(kInput), "");
    EXPECT_EQ(w.Item(box).check, 0);
  }
}

TEST_F(Countdown, ARandomModeClickDuringItReArmsAndAClickIntoTheBoxRestartsItFromThree) {
  ChooseKeyFileWith("00000002ab");
  StartWith(kFixedButton);
  host.Advance(1000);
  w.Click(kRandomButton);
  EXPECT_EQ(Text(kInput), "Click me");
  EXPECT_TRUE(w.TimerRunning(TIMER_COUNTDOWN));  // the count goes on
  host.Advance(500);
  w.Focus(kInput);
  EXPECT_EQ(Text(kDisplay), "3");
  EXPECT_EQ(DisplayAfter(999), "3");  // the period started again
  EXPECT_EQ(DisplayAfter(1001), "1");
  EXPECT_TRUE(w.TimerRunning(TIMER_RANDOM));  // the label at the count of 1 decides
  EXPECT_FALSE(w.TimerRunning(TIMER_FIXED));
}

TEST_F(Countdown, AnIllegalModeAtTheSecondTickShowsTheErrorOnceAndStartsNothing) {
  dlg.StartGame();  // never armed: the label still reads "Mode:None"
  host.Advance(2000);
  EXPECT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(w.DefaultCalls(), 1);
  host.Advance(10000);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, kIllegal);
  EXPECT_EQ(host.messageBoxes[0].type, MB_OK);
  EXPECT_EQ(Text(kDisplay), "1");
  for (unsigned id : {TIMER_RANDOM, TIMER_FIXED, TIMER_COUNTDOWN}) {
    EXPECT_FALSE(w.TimerRunning(id)) << id;
  }
}

TEST_F(Countdown, AnUnknownTimerShowsTheErrorAndChangesNothing) {
  StartAndReachFirstTick(kRandomButton);
  w.Type(kInput, "x");
  const auto state = [this] {
    return std::tuple(Texts({kDisplay, kTip, kSpeedLine, kInput}), dlg.m_nInterval, dlg.m_nScore,
                      w.DefaultCalls());
  };
  const auto before = state();
  dlg.OnTimer(5);
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.messageBoxes[0].text, kIllegal);
  EXPECT_EQ(state(), before);
}

}  // namespace
