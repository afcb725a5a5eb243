// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Usage: music_probe TRACK.wav STEP...  Runs the steps, "play@MS", "stop@MS" or "quit@MS" after
// the start, on the Qt host's music player, and prints each with its CLOCK_MONOTONIC seconds.
#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>

#include "qt/qt_sound_player.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QtSoundPlayer player;
  for (int i = 2; i < argc; ++i) {
    const std::string step = argv[i];
    const std::string name = step.substr(0, step.find('@'));
    QTimer::singleShot(std::stoi(step.substr(name.size() + 1)), Qt::PreciseTimer, [&, name] {
      const auto now = std::chrono::steady_clock::now().time_since_epoch();
      if (name == "play") player.PlayLooping(argv[1]);
      if (name == "stop") player.Stop();
      if (name == "quit") application.quit();
      std::printf("%s %.6f\n", name.c_str(), std::chrono::duration<double>(now).count());
    });
  }
  return QCoreApplication::exec();
}
