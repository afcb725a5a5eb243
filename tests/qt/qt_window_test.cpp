// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <set>

#include "game/choose_key_file.h"
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
  for (const int id : {kInput, kExit, kHellMode}) {
    QWidget* target = window.findChild<QWidget*>(QString::number(id));
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
  }
  EXPECT_EQ(commands, (std::vector<int>{kOk, kExit, kOk}));
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
  window.SetTimer(1, 680);
  EXPECT_EQ(window.findChildren<QTimer*>().size(), 1);
  auto* timer = window.findChild<QTimer*>();
  EXPECT_EQ(std::pair(timer->interval(), timer->timerType()), std::pair(680, Qt::PreciseTimer));
  window.KillTimer(1);
  EXPECT_FALSE(timer->isActive());
}

// An installed copy, its data folder and a save there: the end-to-end test.
TEST(QtHostServices, TellWhereThePlayerMayWriteAndWhereTheSamplesAreAndSaveOnlyOverWhatWasRead) {
  QtHost host;
  TempDir own;
  EXPECT_FALSE(host.IsInstalledCopy(own.Path()));
  EXPECT_EQ(std::pair(host.MayWriteIn(own.Path()), host.MayWriteIn("/nonexistent/quellabox/")),
            std::pair(true, false));
  // The test binary lies in the build's bin/, beside its examples/.
  EXPECT_EQ(host.SampleFolder(),
            (QDir(QCoreApplication::applicationDirPath() + "/../examples").canonicalPath() + "/")
                .toStdString());
  // A record another copy wrote since it was read stays; no data folder: the save fails.
  EXPECT_EQ(host.SaveFileAtomically(own.Write("best.data", "1"), "2", "3"), SaveResult::Changed);
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

// Whether a pixel of a picture is background, which a control may stand over.
bool Blank(const QColor& pixel) { return pixel.alpha() == 0 || pixel == Qt::white; }

// Every text whole in its control, every picture inside the window, no control over a drawn
// part of a picture; `clipped`: controls that run past the window's edge by design.
void ExpectShownWhole(QWidget* window, const std::string& name, std::set<int> clipped = {}) {
  const QList<QWidget*> controls = window->findChildren<QWidget*>();
  for (QWidget* control : controls) {
    const auto* label = qobject_cast<QLabel*>(control);
    const bool picture = label && !label->pixmap().isNull();
    const bool text = (label && !picture) || qobject_cast<QAbstractButton*>(control);
    const std::string what = name + " " + control->objectName().toStdString() + " " +
                             control->property("text").toString().toStdString();
    if (!control->isVisible() || clipped.count(control->objectName().toInt()) != 0) continue;
    EXPECT_TRUE(!text || Fits(control)) << what;
    if (!picture) continue;
    const QRect drawn(control->mapTo(window, QPoint()), control->size());
    EXPECT_TRUE(window->rect().contains(drawn)) << what;
    const QImage image = label->pixmap().toImage();
    for (QWidget* other : controls) {
      if (other == control || !other->isVisible() || other->isAncestorOf(control)) continue;
      const QRect over = QRect(other->mapTo(window, QPoint()), other->size()) & drawn;
      for (int y = over.top(); y <= over.bottom(); ++y) {
        for (int x = over.left(); x <= over.right(); ++x) {
          ASSERT_TRUE(Blank(image.pixelColor(x - drawn.left(), y - drawn.top())))
              << what << " under " << other->objectName().toStdString() << " at " << x << "," << y;
        }
      }
    }
  }
}

// A host that chooses no key file: the game then offers the website in its longest box.
class NoFileQtHost : public QtHost {
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest&) override { return {}; }
};

TEST(QtDialogs, EveryTextAndPictureShowsWholeAndNoControlCoversAPicture) {
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
    window.show();
    // The hint and No speed change run past the game window's edge by design.
    ExpectShownWhole(&window, std::to_string(dialog->TemplateId()),
                     dialog == &game ? std::set<int>{kHint, kNoSpeedChange} : std::set<int>{});
  }

  // Message boxes: the longest text the game shows, and the shortest.
  NoFileQtHost qtHost;
  for (int box = 0; box < 2; ++box) {
    QTimer::singleShot(0, [] {
      auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(shown, nullptr);
      ExpectShownWhole(shown, shown->text().toStdString());
      shown->reject();
    });
    if (box == 0) ChooseKeyFile(qtHost, "");
    if (box == 1) qtHost.ShowMessageBox("Quellabox", "Really?", MessageButtons::OkCancel);
  }
}

}  // namespace
