// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include "qt/qt_dialog_window.h"
#include "qt/qt_host.h"
#include "seam/ids.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"
#include "ui/about_dialog.h"
#include "ui/game_dialog.h"
#include "ui/help_dialog.h"
#include "ui/start_dialog.h"

using namespace ids;

namespace {

// The game window's template on a dialog that notes every command its window sends it.
class QtWindow : public ::testing::Test, public DialogEvents {
 protected:
  void AttachWindow(DialogWindow*) override {}
  bool OnInitDialog() override { return true; }
  void OnCommand(int id) override { commands.push_back(id); }
  void OnNotify(Notification, int) override {}
  void OnTimer(unsigned) override {}
  void OnSysCommand(unsigned id) override { menuCommands.push_back(id); }

  std::vector<int> commands;
  std::vector<unsigned> menuCommands;
  QtDialogWindow window{*this, *FindDialogTemplate(kGameDialog), nullptr};
};

TEST_F(QtWindow, EnterClicksAFocusedButtonElseGivesOkAndItsMenuOpensWithAltSpace) {
  window.show();
  for (const Qt::KeyboardModifier keypad : {Qt::NoModifier, Qt::KeypadModifier}) {
    const Qt::Key enter = keypad ? Qt::Key_Enter : Qt::Key_Return;
    commands.clear();
    for (const int id : {kInput, kExit, kHellMode}) {
      QWidget* target = window.findChild<QWidget*>(QString::number(id));
      target->setFocus();
      QTest::keyClick(target, enter, keypad);
    }
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(commands, (std::vector<int>{kOk, kExit, kOk, kCancel})) << keypad;
  }
  // The window's own menu: Close, then what the dialog added.
  window.AppendSystemMenu(kAboutCommand, "About");
  auto* menu = window.findChild<QMenu*>();
  QStringList items;
  for (QAction* action : menu->actions()) {
    items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    action->trigger();
  }
  EXPECT_EQ(items, QStringList({"Close", "-", "About"}));
  EXPECT_EQ(menuCommands, (std::vector<unsigned>{kCloseCommand, kAboutCommand}));
  QTest::keyClick(&window, Qt::Key_Space, Qt::AltModifier);
  EXPECT_TRUE(menu->isVisible());
  menu->close();
}

TEST_F(QtWindow, TimersArePreciseAndRestartWithTheNewPeriod) {
  window.SetTimer(1, 700);
  auto* timer = window.findChild<QTimer*>();
  window.SetTimer(1, 680);
  EXPECT_EQ(window.findChildren<QTimer*>().size(), 1);
  EXPECT_EQ(timer->interval(), 680);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  window.KillTimer(1);
  EXPECT_FALSE(timer->isActive());
}

TEST(QtHostServices, TellInstalledCopiesTheirDataFolderAndSamplesAndSaveWhole) {
  QStandardPaths::setTestModeEnabled(true);
  QtHost host;
  TempDir own, installed;
  installed.Write("installed-copy", "");
  EXPECT_EQ(std::pair(host.IsInstalledCopy(own.Path()), host.IsInstalledCopy(installed.Path())),
            std::pair(false, true));
  EXPECT_EQ(std::pair(host.MayWriteIn(own.Path()), host.MayWriteIn("/nonexistent/quellabox/")),
            std::pair(true, false));
  const std::string data = host.UserDataFolder();
  EXPECT_EQ(data,
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/");
  // The test binary lies in the build's bin/, beside its examples/.
  EXPECT_EQ(host.SampleFolder(),
            (QDir(QCoreApplication::applicationDirPath() + "/../examples").canonicalPath() + "/")
                .toStdString());
  // The data folder is made; a save over a record another copy wrote meanwhile is refused.
  EXPECT_EQ(host.SaveFileAtomically(data + "best.data", "", "1"), SaveResult::Saved);
  EXPECT_EQ(host.SaveFileAtomically(data + "best.data", "2", "3"), SaveResult::Changed);
  EXPECT_EQ(host.SaveFileAtomically(own.Path() + "missing/best.data", "", "1"), SaveResult::Failed);
  QStandardPaths::setTestModeEnabled(false);

  // A data folder that cannot be made: the save fails, and the game says so.
  qputenv("XDG_DATA_HOME", "/dev/null/data");
  EXPECT_EQ(host.SaveFileAtomically(host.UserDataFolder() + "best.data", "", "1"),
            SaveResult::Failed);
  qunsetenv("XDG_DATA_HOME");
}

// Whether a control's text, laid out as its widget lays it out, stays in the room the widget
// gives it: a label all of itself, a button or check box what its style leaves for text.
bool Fits(QWidget* widget) {
  const QString text = widget->property("text").toString();
  QRect room = widget->rect();
  int flags = Qt::TextShowMnemonic;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  } else {
    QStyleOptionButton option;
    option.initFrom(widget);
    option.text = text;
    room = widget->style()->subElementRect(qobject_cast<QCheckBox*>(widget)
                                               ? QStyle::SE_CheckBoxContents
                                               : QStyle::SE_PushButtonContents,
                                           &option, widget);
  }
  return room.contains(widget->fontMetrics().boundingRect(room, flags, text));
}

TEST(QtDialogs, EveryCaptionShowsWholeInItsControl) {
  SubstituteTemplateFonts();
  ScriptedHost host;
  host.modal[kStartDialog] = [](ScriptedWindow& start) { start.Click(kOk); };
  CGameDialog game(host);
  CStartDialog start(host);
  CAboutDialog about(host);
  CHelpDialog help(host);
  for (CDialog* dialog : std::initializer_list<CDialog*>{&game, &start, &about, &help}) {
    QtDialogWindow window(*dialog, *FindDialogTemplate(dialog->TemplateId()), nullptr);
    dialog->OnInitDialog();
    for (QWidget* control : window.findChildren<QWidget*>()) {
      const auto* label = qobject_cast<QLabel*>(control);
      const bool text =
          (label && label->pixmap().isNull()) || qobject_cast<QAbstractButton*>(control);
      // The hint and No speed change run past the window's edge by design.
      const int id = control->objectName().toInt();
      if (!text || control->isHidden() ||
          (dialog == &game && (id == kHint || id == kNoSpeedChange))) {
        continue;
      }
      EXPECT_TRUE(Fits(control)) << dialog->TemplateId() << " " << id << " "
                                 << control->property("text").toString().toStdString();
    }
  }
}

}  // namespace
