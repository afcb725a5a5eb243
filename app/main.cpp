#include <QApplication>

#include "app/game_app.h"
#include "qt/qt_host.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Names the user's data directory: ~/.local/share/Quellabox/Quellabox on Linux.
  QApplication::setOrganizationName(QStringLiteral("Quellabox"));
  QApplication::setApplicationName(QStringLiteral("Quellabox"));
  QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
  // Closing the last window must not end the run: the main window closes and opens
  // dialogs of its own while it starts.
  QApplication::setQuitOnLastWindowClosed(false);
  QtHost host;
  // The start-up says whether the program still needs the event loop: false means it has
  // done its work (the game window ran modally inside it).
  return theApp.InitInstance(host) ? QApplication::exec() : 0;
}
