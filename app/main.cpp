// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include <cstdio>

#include "app/command_line.h"
#include "app/desktop_session.h"
#include "app/game_app.h"
#include "qt/qt_host.h"

int main(int argc, char* argv[]) {
  switch (ReadCommandLine(argc, argv)) {
    case CommandLine::Help:
      PrintUsage(stdout);
      return 0;
    case CommandLine::Version:
      PrintVersion(PROJECT_VERSION);
      return 0;
    case CommandLine::Wrong:
      PrintUsage(stderr);
      return 2;
    case CommandLine::Play:
      break;
  }
  const std::unique_ptr<QApplication> application = OpenDesktopSession(argc, argv);
  // Names the user's data directory: ~/.local/share/Quellabox/Quellabox on Linux.
  QApplication::setOrganizationName(QStringLiteral("Quellabox"));
  QApplication::setApplicationName(QStringLiteral("Quellabox"));
  QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
  // Closing the last window must not end the run: the main window closes and opens
  // dialogs of its own while it starts.
  QApplication::setQuitOnLastWindowClosed(false);
  QtHost host;
  // The game window runs modally inside; the program has done its work when it returns.
  theApp.InitInstance(host);
  return 0;
}
