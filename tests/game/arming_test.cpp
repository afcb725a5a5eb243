#include <string>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

constexpr char kHellQuestion[] = "Are you sure you choose [Hell mode] ? It's really diffault!";

using Arming = GameTest;

TEST_F(Arming, RandomModeArmsTheInputBoxAndClearsTheKeyFileAndSpeedLines) {
  dlg.m_strKeyFileInfo = "vts info: 0/3";
  dlg.m_strSpeed = "Speed: 0.6800/s";
  dlg.UpdateData(false);
  w.Click(kRandomButton);

  EXPECT_TRUE(w.Item(kInput).enabled);
  EXPECT_EQ(Text(kInput), "Click me");
  EXPECT_EQ(Text(kTip), "Click the control.");
  EXPECT_EQ(Text(kModeLabel), "Mode:Random");
  EXPECT_EQ(Text(kKeyFileLine), "");
  EXPECT_EQ(Text(kSpeedLine), "");
  EXPECT_EQ(Text(kDisplay), "ARE YOU READY?");
  EXPECT_FALSE(dlg.m_bStarted);
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(Arming, FixedModeShowsTheCountOfTheChosenFile) {
  const std::string path = ChooseKeyFileWith("00000026abcdefghijklmnopqrstuvwxyz");
  w.Click(kFixedButton);

  EXPECT_EQ(dlg.m_strKeyFilePath, path);
  EXPECT_TRUE(w.Item(kInput).enabled);
  EXPECT_EQ(Text(kInput), "Click me");
  EXPECT_EQ(Text(kTip), "Click the control.");
  EXPECT_EQ(Text(kModeLabel), "Mode:Fixed");
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/26");
}

TEST_F(Arming, AnUnreadableOrNegativeCountIsShownAsTheReaderGivesIt) {
  ChooseKeyFileWith("-3      ");
  w.Click(kFixedButton);
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/-3");

  host.AnswerFileDialog([this](const OpenFileRequest&) { return dir.Path() + "missing.vts"; });
  w.Click(kFixedButton);
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/0");
  EXPECT_EQ(Text(kModeLabel), "Mode:Fixed");
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(Arming, ACancelledFileChoiceLeavesTheArmedRandomGameAsItWas) {
  w.Click(kRandomButton);
  host.AnswerFileDialog([](const OpenFileRequest&) { return std::nullopt; });
  host.AnswerMessageBox(IDCANCEL);  // the offer of more key files
  w.Click(kFixedButton);

  EXPECT_EQ(Text(kModeLabel), "Mode:Random");
  EXPECT_EQ(Text(kInput), "Click me");
  EXPECT_EQ(dlg.m_strKeyFilePath, "");
  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.fileDialogs.size(), 1u);
}

TEST_F(Arming, HellModeIsConfirmedBeforeArmingAndTheGameStartsAt500) {
  w.Click(kHellMode);
  w.Click(kRandomButton);
  ASSERT_EQ(host.messageBoxes.size(), 2u);
  EXPECT_EQ(host.messageBoxes[0].text, kHellQuestion);
  EXPECT_EQ(host.messageBoxes[0].type, MB_OKCANCEL);
  EXPECT_EQ(host.messageBoxes[1].text, "Good luck!");
  EXPECT_EQ(host.messageBoxes[1].type, MB_OK);

  w.Focus(kInput);
  EXPECT_EQ(dlg.m_nInitialInterval, 500);
  host.Advance(2000);
  EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), 500);
}

TEST_F(Arming, RefusingHellModeChangesNothingButStopsARandomGame) {
  StartAndReachFirstTick(kRandomButton);
  const std::string key = Text(kDisplay);
  ASSERT_TRUE(w.TimerRunning(TIMER_RANDOM));

  w.Click(kHellMode);
  host.AnswerMessageBox(IDCANCEL);
  w.Click(kFixedButton);

  ASSERT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_TRUE(host.fileDialogs.empty());
  EXPECT_FALSE(w.TimerRunning(TIMER_RANDOM));
  EXPECT_EQ(Text(kModeLabel), "Mode:Random");
  EXPECT_EQ(Text(kDisplay), key);
  EXPECT_TRUE(dlg.m_bStarted);
}

TEST_F(Arming, FixedModeAsksAboutHellModeEvenWhenNoFileIsThenChosen) {
  w.Click(kHellMode);
  host.AnswerFileDialog([](const OpenFileRequest&) { return std::nullopt; });
  w.Click(kFixedButton);

  ASSERT_EQ(host.messageBoxes.size(), 3u);
  EXPECT_EQ(host.messageBoxes[0].text, kHellQuestion);
  EXPECT_EQ(host.messageBoxes[1].text, "Good luck!");
  EXPECT_EQ(host.messageBoxes[2].type, MB_OKCANCEL);  // the offer of more key files
  EXPECT_EQ(Text(kModeLabel), "Mode:None");
  EXPECT_FALSE(w.Item(kInput).enabled);
}

TEST_F(Arming, TheCheckBoxesAtTheModeClickChooseTheFirstInterval) {
  struct Case {
    bool hell, noSpeedChange;
    int interval;
  };
  for (const Case c : {Case{false, false, 700}, Case{false, true, 700}, Case{true, true, 400}}) {
    if (w.Item(kHellMode).check != int(c.hell)) w.Click(kHellMode);
    if (w.Item(kNoSpeedChange).check != int(c.noSpeedChange)) w.Click(kNoSpeedChange);
    w.Click(kRandomButton);
    w.Focus(kInput);
    EXPECT_EQ(dlg.m_nInitialInterval, c.interval);
    EXPECT_EQ(dlg.m_nInterval, c.interval);
    w.Focus(kHellMode);  // leave the box, so the next round can click into it again
  }
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(Arming, ABoxChangedAfterTheModeClickSpringsBackWhenTheGameStarts) {
  w.Click(kRandomButton);
  w.Click(kHellMode);
  w.Click(kNoSpeedChange);
  w.Focus(kInput);

  EXPECT_EQ(w.Item(kHellMode).check, 0);
  EXPECT_EQ(w.Item(kNoSpeedChange).check, 0);
  EXPECT_EQ(dlg.m_nInitialInterval, 700);
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST_F(Arming, StartingEmptiesTheBoxShowsThreeAndKeepsTheArmedLines) {
  ChooseKeyFileWith("00000003aab");
  w.Click(kFixedButton);
  w.Focus(kInput);

  EXPECT_EQ(Text(kInput), "");
  EXPECT_EQ(Text(kDisplay), "3");
  EXPECT_EQ(Text(kTip), "Click the control.");
  EXPECT_EQ(Text(kKeyFileLine), "vts info: 0/3");
  EXPECT_EQ(dlg.m_nScore, 0);
  EXPECT_EQ(w.TimerPeriod(TIMER_COUNTDOWN), 1000);
}

TEST_F(Arming, ClickingIntoTheBoxAgainStartsNothing) {
  StartWith(kRandomButton);
  host.Advance(1000);
  ASSERT_EQ(Text(kDisplay), "2");
  w.Focus(kHellMode);
  w.Focus(kInput);
  w.Tab();
  w.Focus(kInput);
  EXPECT_EQ(Text(kDisplay), "2");
  host.Advance(1000);
  EXPECT_EQ(Text(kDisplay), "1");  // the countdown was not restarted

  // Nor after the game: only a mode button arms the next one.
  host.Advance(700 + 680);
  ASSERT_EQ(Text(kDisplay), "FINISH");
  w.Focus(kHellMode);
  w.Focus(kInput);
  host.Advance(5000);
  EXPECT_EQ(Text(kDisplay), "FINISH");
  EXPECT_FALSE(w.TimerRunning(TIMER_COUNTDOWN));
}

}  // namespace
