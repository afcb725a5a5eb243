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

// Ends the process at once: inside Qt's start-up nothing is left to tidy that an exit's
// clean-up could not trip over.
[[noreturn]] void NoDesktop(const QString& why) {
  std::fprintf(stderr, "quellabox: VANTOSH needs a desktop session, but %s\n", qPrintable(why));
  std::_Exit(1);
}

// While Qt connects to the display its messages are held back: a failure ends in the one
// line, and a success prints them as Qt would have.
void HoldStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    const QString display = qEnvironmentVariable("DISPLAY");
    NoDesktop(display.isEmpty()
                  ? QStringLiteral("none answers")
                  : QStringLiteral("the display \"%1\" does not answer").arg(display));
  }
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
