#include <string>
#include <tuple>
#include <vector>

#include "tests/game/game_test_support.h"

namespace {

constexpr char kHellQuestion[] = "Are you sure you choose [Hell mode] ? It's really diffault!";

using Arming = GameTest;

TEST_F(Arming, AModeButtonArmsTheBoxAndShowsTheCountOfTheFileAsRead) {
  const std::tuple<int, const char*, const char*, const char*> cases[] = {
      {kRandomButton, nullptr, "Mode:Random", ""},
      {kFixedButton, "00000026abcdefghijklmnopqrstuvwxyz", "Mode:Fixed", "vts info: 0/26"},
      {kFixedButton, "-3      ", "Mode:Fixed", "vts info: 0/-3"},
  };
  for (const auto& [button, file, mode, keyFileLine] : cases) {
    SCOPED_TRACE(keyFileLine);
    dlg.m_strKeyFileInfo = "vts info: 0/3";
    dlg.m_strSpeed = "Speed: 0.6800/s";
    dlg.UpdateData(false);
    const std::string path = file ? ChooseKeyFileWith(file) : "";
    w.Click(button);

    EXPECT_TRUE(w.Item(kInput).enabled);
    EXPECT_EQ(Text(kInput), "Click me");
    EXPECT_EQ(Text(kTip), "Click the control.");
    EXPECT_EQ(Text(kModeLabel), mode);
    EXPECT_EQ(Text(kKeyFileLine), keyFileLine);
    EXPECT_EQ(Text(kSpeedLine), "");
    EXPECT_EQ(Text(kDisplay), "ARE YOU READY?");
    EXPECT_EQ(dlg.m_strKeyFilePath, path);
  }
  EXPECT_FALSE(dlg.m_bStarted);
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
  EXPECT_EQ(host.messageBoxes.size(), 1u);
  EXPECT_EQ(host.fileDialogs.size(), 1u);
}

TEST_F(Arming, OnlyHellModeWithSpeedChangeIsAskedAboutAndTheBoxesChooseTheFirstInterval) {
  struct Case {
    bool hell, noSpeedChange;
    int interval;
    bool asked;
  };
  for (const Case c : {Case{false, false, 700, false}, Case{false, true, 700, false},
                       Case{true, false, 500, true}, Case{true, true, 400, false}}) {
    SCOPED_TRACE(c.interval);
    if (w.Item(kHellMode).check != int(c.hell)) w.Click(kHellMode);
    if (w.Item(kNoSpeedChange).check != int(c.noSpeedChange)) w.Click(kNoSpeedChange);
    host.messageBoxes.clear();
    StartWith(kRandomButton);
    EXPECT_EQ(dlg.m_nInitialInterval, c.interval);
    EXPECT_EQ(dlg.m_nInterval, c.interval);
    host.Advance(2000);
    EXPECT_EQ(w.TimerPeriod(TIMER_RANDOM), c.interval);
    if (!c.asked) {
      EXPECT_TRUE(host.messageBoxes.empty());
      continue;
    }
    ASSERT_EQ(host.messageBoxes.size(), 2u);
    EXPECT_EQ(host.messageBoxes[0].text, kHellQuestion);
    EXPECT_EQ(host.messageBoxes[0].type, MB_OKCANCEL);
    EXPECT_EQ(host.messageBoxes[1].text, "Good luck!");
    EXPECT_EQ(host.messageBoxes[1].type, MB_OK);
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
  EXPECT_EQ(host.messageBoxes[2].type, MB_OKCANCEL);  // the offer of more key files
  EXPECT_EQ(Text(kModeLabel), "Mode:None");
  EXPECT_FALSE(w.Item(kInput).enabled);
}

TEST_F(Arming, ClickingIntoTheBoxAgainStartsNothing) {
  StartWith(kRandomButton);
  host.Advance(1000);
  ASSERT_EQ(Text(kDisplay), "2");
  w.Focus(kHellMode);
  w.Focus(kInput);
  w.Tab();
  w.Focus(kInput);
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
