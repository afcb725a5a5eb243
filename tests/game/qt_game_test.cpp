#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <string>

#include "tests/support/modal_driver.h"
#include "tests/support/temp_dir.h"
#include "ui/game_dialog.h"
#include "ui/qt_host.h"

namespace {

std::string LabelText(QWidget* w, int id) {
  return static_cast<QLabel*>(Control(w, id))->text().toStdString();
}

bool WaitForDisplay(QWidget* w, const std::string& text) {
  return QTest::qWaitFor([&] { return LabelText(w, 1001) == text; }, 4000);
}

// A Fixed game on real widgets and real timers: the file chosen in the file dialog,
// keys typed into the line edit in lower case.
TEST(QtGame, AFixedGameIsPlayedToTheWinOnRealWidgets) {
  TempDir dir;
  const QString path = QString::fromStdString(dir.Write("two.vts", "00000002ab"));
  QtHost host;
  SetCurrentHost(&host);
  CGameDialog dlg;
  ModalDriver driver;
  driver.Then("129", [](QWidget* start) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(start));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  driver.Then("102", [&](QWidget* w) {
    const auto end = qScopeGuard([&] { dlg.EndDialog(0); });  // also when a check fails
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    // A timer of the test's own answers the file dialog that the click opens: queued on
    // the driver from inside this script, it was never reached.
    QTimer::singleShot(0, [path] {
      QFileDialog* files = nullptr;
      ASSERT_TRUE(QTest::qWaitFor([&] {
        files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        return files && files->isVisible();
      }));
      files->selectFile(path);
      static_cast<QDialog*>(files)->accept();  // QFileDialog checks the choice
    });
    ClickControl(w, 1006);
    EXPECT_EQ(LabelText(w, 1015), "vts info: 0/2");
    // The offscreen platform does not hand the activation back from the closed file
    // dialog by itself; the click into the box counts only in the active window.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    ClickControl(w, 1007);
    ASSERT_TRUE(WaitForDisplay(w, "3"));

    auto* input = static_cast<QLineEdit*>(Control(w, 1007));
    ASSERT_TRUE(WaitForDisplay(w, "A"));
    QTest::keyClicks(input, "a");
    ASSERT_TRUE(WaitForDisplay(w, "B"));
    EXPECT_EQ(input->text().toStdString(), "");
    EXPECT_EQ(LabelText(w, 1017), "Speed: 0.6600/s");
    QTest::keyClicks(input, "b");
    ASSERT_TRUE(WaitForDisplay(w, "YOU WIN!"));
    EXPECT_EQ(LabelText(w, 1008), "Your score: 2\nThis mode does not count the highest score.");
    EXPECT_EQ(LabelText(w, 1015), "vts info: 2/2");
  });
  EXPECT_EQ(dlg.DoModal(), 0);
  EXPECT_TRUE(driver.Done());
  SetCurrentHost(nullptr);
}

}  // namespace
