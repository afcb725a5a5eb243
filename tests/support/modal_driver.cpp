#include "tests/support/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

ModalDriver::ModalDriver() {
  m_poll.setInterval(5);
  connect(&m_poll, &QTimer::timeout, this, &ModalDriver::Poll);
  m_poll.start();
}

void ModalDriver::Then(const QString& kind, Script script) {
  m_scripts.emplace_back(kind, std::move(script));
}

QString ModalDriver::KindOf(QWidget* window) {
  if (window->inherits("QMessageBox")) return QStringLiteral("QMessageBox");
  if (window->inherits("QFileDialog")) return QStringLiteral("QFileDialog");
  return window->objectName();
}

void ModalDriver::Poll() {
  QWidget* window = QApplication::activeModalWidget();
  if (!window || !window->isVisible() || m_handled.contains(window) || m_scripts.empty()) return;
  if (KindOf(window) != m_scripts.front().first) return;
  m_handled.insert(window);
  // A later window may be made at the same address once this one is gone.
  connect(window, &QObject::destroyed, this, [this, window] { m_handled.remove(window); });
  Script script = std::move(m_scripts.front().second);
  m_scripts.pop_front();
  // Run from the event queue, not inside this timer's tick: Qt does not fire a timer again
  // while its own tick runs, and a script may need the poll for the windows it opens.
  QMetaObject::invokeMethod(
      this,
      [script = std::move(script), window = QPointer<QWidget>(window)] {
        if (window) script(window);
      },
      Qt::QueuedConnection);
}

QWidget* Control(QWidget* dialog, int id) {
  return dialog->findChild<QWidget*>(QString::number(id));
}

void ClickControl(QWidget* dialog, int id) {
  QTest::mouseClick(Control(dialog, id), Qt::LeftButton);
}

QString MessageText(QWidget* box) { return static_cast<QMessageBox*>(box)->text(); }

void Answer(QWidget* box, bool ok) {
  auto* message = static_cast<QMessageBox*>(box);
  message->button(ok ? QMessageBox::Ok : QMessageBox::Cancel)->click();
}
