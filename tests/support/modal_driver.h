#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// Plays the player in real Qt windows: each script waits for the next modal window of
// its kind to be shown ("129" for a dialog template, "QMessageBox", "QFileDialog") and
// then runs on it. A script may open further modal windows; their scripts run inside.
class ModalDriver : public QObject {
 public:
  using Script = std::function<void(QWidget*)>;

  ModalDriver();
  void Then(const QString& kind, Script script);
  bool Done() const { return m_scripts.empty(); }

 private:
  void Poll();
  static QString KindOf(QWidget* window);

  QTimer m_poll;
  std::deque<std::pair<QString, Script>> m_scripts;
  QSet<QWidget*> m_handled;
};

// A control of a real dialog by its id.
QWidget* Control(QWidget* dialog, int id);
void ClickControl(QWidget* dialog, int id);
// The text of a message box.
QString MessageText(QWidget* box);
// Presses a message box's button: true for OK, false for Cancel.
void Answer(QWidget* box, bool ok);
