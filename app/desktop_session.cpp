// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/desktop_session.h"

#include <QApplication>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList* g_startupMessages = nullptr;
bool g_displayRefused = false;

// Ends the process at once: inside Qt's start-up nothing is left to tidy that an exit's
// clean-up could not trip over.
[[noreturn]] void NoDesktop(const QString& why) {
  std::fprintf(stderr, "quellabox: VANTOSH needs a desktop session, but %s\n", qPrintable(why));
  std::_Exit(1);
}

// Any other failure (no platform plugin, a broken one) in Qt's own words.
[[noreturn]] void QtFailed(const QString& fatal) {
  std::fprintf(stderr, "quellabox: VANTOSH could not start; Qt says:\n");
  for (const QString& line : *g_startupMessages) std::fprintf(stderr, "%s\n", qPrintable(line));
  std::fprintf(stderr, "%s\n", qPrintable(fatal.trimmed()));
  std::_Exit(1);
}

// While Qt connects to the display its messages are held back: a display that does not
// answer ends in the one line, another failure in what Qt said, and a success prints them
// as Qt would have.
void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    if (!g_displayRefused) QtFailed(qFormatLogMessage(type, context, text));
    const QString display = qEnvironmentVariable("DISPLAY");
    NoDesktop(display.isEmpty()
                  ? QStringLiteral("none answers")
                  : QStringLiteral("the display \"%1\" does not answer").arg(display));
  }
  // The X11 and Wayland plugins speak before a failure only when their display refused them.
  const QLatin1String category(context.category ? context.category : "");
  g_displayRefused = g_displayRefused || category.startsWith(QLatin1String("qt.qpa.xcb")) ||
                     category.startsWith(QLatin1String("qt.qpa.wayland"));
  g_startupMessages->append(qFormatLogMessage(type, context, text));
}

}  // namespace

std::unique_ptr<QApplication> OpenDesktopSession(int& argc, char** argv) {
  // A platform chosen by name (offscreen, say) needs no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    NoDesktop(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY names one"));
  }
  QStringList held;
  g_startupMessages = &held;
  const QtMessageHandler previous = qInstallMessageHandler(HoldStartupMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  g_startupMessages = nullptr;
  for (const QString& line : held) std::fprintf(stderr, "%s\n", qPrintable(line));
  return application;
}
