// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include <cstdio>

#include "app/command_line.h"
#include "app/desktop_session.h"
#include "app/game_app.h"
#include "qt/qt_host.h"

int main(int argc, char* argv[]) {
  const CommandLine line = ReadCommandLine(argc, argv);
  switch (line.task) {
    case CommandLine::Task::Help:
      PrintUsage(stdout);
      return 0;
    case CommandLine::Task::Version:
      PrintVersion(PROJECT_VERSION);
      return 0;
    case CommandLine::Task::Wrong:
      std::fprintf(stderr, "quellabox: %s\n", line.wrong.c_str());
      PrintUsage(stderr);
      return 2;
    case CommandLine::Task::Play:
      break;
  }
  const std::unique_ptr<QApplication> application = OpenDesktopSession(argc, argv);
  // Names the user's data directory: ~/.local/share/Quellabox/Quellabox on Linux.
  QApplication::setOrganizationName(QStringLiteral("Quellabox"));
  QApplication::setApplicationName(QStringLiteral("Quellabox"));
  QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
  // Docks match the window to its menu entry by this name on Wayland (the app id) and by the
  // application's name on X11 (the window's class), which the entry names in StartupWMClass.
  QApplication::setDesktopFileName(QStringLiteral("com.example.quellabox"));
  // Closing the last window must not end the run: the main window closes and opens
  // dialogs of its own while it starts.
  QApplication::setQuitOnLastWindowClosed(false);
  QtHost host;
  // The game window runs modally inside; the program has done its work when it returns.
  theApp.InitInstance(host);
  return 0;
}
