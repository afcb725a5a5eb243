// Plays the background music as the game does, on the real Qt host: the start at start-up,
// then presses of the music button. music_test.py records what the sound server hears and
// lines it up with the steps, printed as "STEP CLOCK_MONOTONIC_SECONDS MUSIC_ON", the time
// taken just before the step.
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "game/background_music.h"
#include "qt/qt_host.h"
#include "ui/game_dialog.h"

namespace {

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void Report(const char* step, double before, const CGameDialog& dialog) {
  std::printf("%s %.6f %d\n", step, before, dialog.m_bMusicOn ? 1 : 0);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QtHost host;
  SetCurrentHost(&host);
  CGameDialog dialog;

  // The main window's initialisation starts the music and then counts it as on.
  const double startUp = Now();
  PlayBackgroundMusic();
  dialog.m_bMusicOn = true;
  Report("start-up", startUp, dialog);
  // Off after two loop points of the 1-second track, on again a second later, then four
  // hasty presses that end with the music on.
  for (const int ms : {2500, 3500, 5800, 5840, 5880, 5920}) {
    QTimer::singleShot(ms, Qt::PreciseTimer, [&] {
      const double press = Now();
      dialog.OnMusicToggle();
      Report("press", press, dialog);
    });
  }
  QTimer::singleShot(8300, Qt::PreciseTimer, [&] {
    Report("end", Now(), dialog);
    application.quit();
  });
  const int code = QApplication::exec();
  SetCurrentHost(nullptr);
  return code;
}
