#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/game_window.h"
#include "ui/host.h"

namespace {

TEST(DataExchange, WritesEveryBoundMemberAndReadsBackTextsAndChecksOnlyWhenAsked) {
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

  // What the player did reaches the members only with the next read; a check box click
  // has no handler of its own, not even the Hell mode question.
  w.Click(1013);
  w.Click(1016);
  w.SetItemText(1004, "Mode:Fixed");
  EXPECT_EQ(dlg.m_bHellMode, 1);
  EXPECT_EQ(dlg.m_bNoSpeedChange, 0);
  EXPECT_TRUE(host.messageBoxes.empty());
  dlg.UpdateData(true);
  EXPECT_EQ(dlg.m_bHellMode, 0);
  EXPECT_EQ(dlg.m_bNoSpeedChange, 1);
  EXPECT_EQ(dlg.m_strMode, "Mode:Fixed");  // a static gives back what was last written
  EXPECT_EQ(dlg.m_strDisplay, "K*");
}

TEST(MessageBoxes, CarryTheExecutablesNameWithoutFolderOrExtension) {
  ScriptedHost host;
  for (const auto& [path, caption] : {std::pair{"C:\\Games\\Quellabox.exe", "Quellabox"},
                                      {"/usr/games/quellabox.bin", "quellabox"},
                                      {"/opt/q/Quellabox", "Quellabox"}}) {
    host.executablePath = path;
    AfxMessageBox("x");
    EXPECT_EQ(host.messageBoxes.back().caption, caption) << path;
  }
}

TEST(ExeDirectory, EndsWithTheSeparatorAndKeepsLongAndNonAsciiPaths) {
  const std::string deep = "/home/玩家/" + std::string(300, 'd') + "/";
  ScriptedHost host;
  for (const auto& [path, directory] :
       {std::pair<std::string, std::string>{"/opt/quellabox/Quellabox", "/opt/quellabox/"},
        {"C:\\Spiele\\Quellabox.exe", "C:\\Spiele\\"},
        {deep + "Quellabox", deep},
        {"Quellabox", "Quellabox"}}) {  // no separator: the path stays whole
    host.executablePath = path;
    EXPECT_EQ(ExeDirectory(), directory);
  }
}

TEST(IconicPaint, DrawsTheIconInTheMiddleOfTheClientArea) {
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w = OpenGameWindow(host, dlg);
  EXPECT_EQ(dlg.OnQueryDragIcon(), IDR_MAINFRAME);
  w.PaintIconic();
  ASSERT_EQ(w.DrawnIcons().size(), 1u);
  EXPECT_NEAR(w.DrawnIcons()[0].x + 16, w.ClientWidth() / 2.0, 1);
  EXPECT_NEAR(w.DrawnIcons()[0].y + 16, w.ClientHeight() / 2.0, 1);
  EXPECT_EQ(w.DrawnIcons()[0].icon, IDR_MAINFRAME);
}

}  // namespace
