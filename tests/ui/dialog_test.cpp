#include <gtest/gtest.h>

#include "tests/support/game_window.h"
#include "ui/host.h"

namespace {

TEST(DataExchange, WritesEveryBoundMemberAndReadsBackTextsAndChecks) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);

  dlg.m_strDisplay = "K*";
  dlg.m_strTip = "Your score: 3\nSELECT ONE MODE TO PLAY AGAIN";
  dlg.m_bHellMode = 1;
  dlg.UpdateData(false);
  EXPECT_EQ(w.Item(1001).text, "K*");
  EXPECT_EQ(w.Item(1008).text, "Your score: 3\nSELECT ONE MODE TO PLAY AGAIN");
  EXPECT_EQ(w.Item(1013).check, 1);

  // What the player did reaches the members only with the next read.
  w.Click(1016);
  w.SetItemText(1004, "Mode:Fixed");
  EXPECT_EQ(dlg.m_bNoSpeedChange, 0);
  dlg.UpdateData(true);
  EXPECT_EQ(dlg.m_bNoSpeedChange, 1);
  EXPECT_EQ(dlg.m_strMode, "Mode:Fixed");  // a static gives back what was last written
  EXPECT_EQ(dlg.m_strDisplay, "K*");
}

TEST(DataExchange, TicksAndTypedTextShowAsTheyAreWithoutAnyHandler) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  w.Click(1013);
  EXPECT_EQ(w.Item(1013).check, 1);
  EXPECT_EQ(dlg.m_bHellMode, 0);
  EXPECT_TRUE(host.messageBoxes.empty());
}

TEST(MessageBoxes, CarryTheExecutablesNameWithoutDirectoryOrExtension) {
  ScriptedHost host;
  host.executablePath = "C:\\Games\\Quellabox.exe";
  AfxMessageBox("x");
  host.executablePath = "/usr/games/quellabox.bin";
  AfxMessageBox("y");
  host.executablePath = "/opt/q/Quellabox";
  AfxMessageBox("z");
  EXPECT_EQ(host.messageBoxes[0].caption, "Quellabox");
  EXPECT_EQ(host.messageBoxes[1].caption, "quellabox");
  EXPECT_EQ(host.messageBoxes[2].caption, "Quellabox");
}

TEST(ExeDirectory, EndsWithTheSeparatorAndKeepsLongAndNonAsciiPaths) {
  ScriptedHost host;
  host.executablePath = "/opt/quellabox/Quellabox";
  EXPECT_EQ(ExeDirectory(), "/opt/quellabox/");
  host.executablePath = "C:\\Spiele\\Quellabox.exe";
  EXPECT_EQ(ExeDirectory(), "C:\\Spiele\\");
  const std::string deep = "/home/玩家/" + std::string(300, 'd') + "/";
  host.executablePath = deep + "Quellabox";
  EXPECT_EQ(ExeDirectory(), deep);
  host.executablePath = "Quellabox";
  EXPECT_EQ(ExeDirectory(), "Quellabox");  // no separator: the path stays whole
}

TEST(IconicPaint, DrawsTheIconInTheMiddleOfTheClientArea) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  EXPECT_EQ(dlg.OnQueryDragIcon(), IDR_MAINFRAME);
  w.PaintIconic();
  ASSERT_EQ(w.DrawnIcons().size(), 1u);
  EXPECT_EQ(w.DrawnIcons()[0].x, (w.ClientWidth() - 32 + 1) / 2);
  EXPECT_EQ(w.DrawnIcons()[0].y, (w.ClientHeight() - 32 + 1) / 2);
  EXPECT_EQ(w.DrawnIcons()[0].icon, IDR_MAINFRAME);
}

}  // namespace
