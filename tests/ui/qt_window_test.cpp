#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/support/modal_driver.h"
#include "ui/game_dialog.h"
#include "ui/qt_host.h"

namespace {

class QtWindow : public ::testing::Test {
 protected:
  // The main window, entered with Enter on the start dialog.
  void StartThen(ModalDriver::Script play) {
    driver.Then("129", [](QWidget* start) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(start));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    driver.Then("102", [play](QWidget* w) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(w));
      play(w);
    });
  }

  // Installed before the dialogs are made: their constructors load the icon through it.
  struct Installed : QtHost {
    Installed() { SetCurrentHost(this); }
    ~Installed() override { SetCurrentHost(nullptr); }
  } host;
  ModalDriver driver;
  CGameDialog dlg;
};

TEST_F(QtWindow, BuildsEveryControlTabsInTemplateOrderAndOpensThePopup) {
  StartThen([this](QWidget* w) {
    for (int id : {1001, 1000, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 2, 1010, 1011, 1013, 1014,
                   1015, 1016, 1017}) {
      EXPECT_NE(Control(w, id), nullptr) << id;
    }
    EXPECT_EQ(w->windowTitle(), "VANTOSH");
    EXPECT_FALSE(w->windowIcon().isNull());
    EXPECT_EQ(static_cast<QLabel*>(Control(w, 1001))->text(), "ARE YOU READY?");
    EXPECT_EQ(static_cast<QPushButton*>(Control(w, 1003))->text(), "Turn on/off the music");
    EXPECT_EQ(static_cast<QCheckBox*>(Control(w, 1016))->text(), "No speed change");
    const int displayLine = Control(w, 1001)->fontMetrics().height();
    EXPECT_TRUE(displayLine > 80 && displayLine <= 96) << displayLine;

    // Tab visits the tab stops in template order, past hidden button 2 and the disabled box.
    EXPECT_FALSE(Control(w, 1007)->isEnabled());
    EXPECT_TRUE(Control(w, 2)->isHidden());
    const auto tabs = [](int steps) {
      std::vector<QString> visited;
      for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget()->objectName());
      }
      return visited;
    };
    EXPECT_EQ(QApplication::focusWidget(), Control(w, 1000));
    EXPECT_EQ(tabs(8), (std::vector<QString>{"1002", "1003", "1005", "1006", "1010", "1013", "1016",
                                             "1000"}));
    Control(w, 1007)->setEnabled(true);
    EXPECT_EQ(tabs(5), (std::vector<QString>{"1002", "1003", "1005", "1006", "1007"}));

    // A right click opens the popup: Close, a separator and the About item.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w, &click);
    QMenu* popup = w->findChild<QMenu*>();
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([popup] { return popup->isVisible(); }));
    const QList<QAction*> items = popup->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "Close");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "关于 Quellabox(&A)...");
    popup->hide();
    driver.Then("100", [](QWidget* about) {
      EXPECT_EQ(about->windowTitle(), "ABOUT VANTOSH");
      QTest::keyClick(about, Qt::Key_Escape);
    });
    items[2]->trigger();
    EXPECT_TRUE(driver.Done());
    dlg.EndDialog(0);
  });
  EXPECT_EQ(dlg.DoModal(), 0);
}

TEST_F(QtWindow, EnterInTheInputBoxDuringAGameEndsWithOk) {
  StartThen([](QWidget* w) {
    ClickControl(w, 1005);
    ClickControl(w, 1007);
    QTest::keyClicks(Control(w, 1007), "a");
    QTest::keyClick(Control(w, 1007), Qt::Key_Return);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_strInput, "a");
}

TEST_F(QtWindow, EscAsksReallyWhileTheCountdownGoesOnAndCloseWithOkEnds) {
  QString shownAfterCancel;
  StartThen([&](QWidget* w) {
    ClickControl(w, 1005);
    ClickControl(w, 1007);
    auto* display = static_cast<QLabel*>(Control(w, 1001));
    driver.Then("QMessageBox", [display](QWidget* box) {
      EXPECT_EQ(MessageText(box), "Really?");
      EXPECT_EQ(box->windowTitle(), "ui_tests");  // the executable's own name
      EXPECT_TRUE(QTest::qWaitFor([display] { return display->text() == "2"; }, 3000));
      Answer(box, false);
    });
    QTest::keyClick(w, Qt::Key_Escape);
    shownAfterCancel = display->text();
    driver.Then("QMessageBox", [](QWidget* box) { Answer(box, true); });
    w->close();
  });
  EXPECT_EQ(dlg.DoModal(), 0);
  EXPECT_EQ(shownAfterCancel, "2");
}

// A dialog on the Qt host that counts its ticks.
class Ticking : public CDialog {
 public:
  Ticking() : CDialog(130) {}
  void OnTimer(unsigned) override { ++ticks; }
  int ticks = 0;
};

TEST_F(QtWindow, TimersArePreciseFloorAtTenMillisecondsAndTickThroughMessageBoxes) {
  Ticking ticking;
  int answer = 0;
  driver.Then("130", [&](QWidget* w) {
    ticking.SetTimer(7, 3);
    const QList<QTimer*> timers = w->findChildren<QTimer*>();
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers[0]->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(timers[0]->interval(), 10);
    ticking.SetTimer(7, 20);
    EXPECT_EQ(timers[0]->interval(), 20);
    driver.Then("QMessageBox", [&](QWidget* box) {
      const int before = ticking.ticks;
      EXPECT_TRUE(QTest::qWaitFor([&] { return ticking.ticks >= before + 3; }, 2000));
      Answer(box, false);
    });
    answer = AfxMessageBox("Really?", MB_OKCANCEL);
    ticking.EndDialog(IDCANCEL);
  });
  EXPECT_EQ(ticking.DoModal(), IDCANCEL);
  EXPECT_EQ(answer, IDCANCEL);
}

}  // namespace
