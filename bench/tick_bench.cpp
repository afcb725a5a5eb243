// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's ticks on the real Qt host, offscreen, in its real event loop. The bench plays
// as a player does (the mode buttons, a click into the input box, the key on display typed
// in) and sees what a player sees: the window's controls, and the period of its running
// timer.
//
// 1. Tick periods: a whole Random game from 700 ms down to a 10 ms interval, every key hit.
//    Each tick's observed period (from the end of the tick that restarted the timer to the
//    start of the next) is set against the timer's period. The same schedule then runs on
//    a QTimer of the default (coarse) type as a baseline.
// 2. Tick cost: one Random tick, then one Fixed tick with a 1 MiB key file, on the same
//    window, through Google Benchmark. Typing the key for the next tick is not timed.
//
// Run: build-dir/bin/quellabox_bench_tick [--benchmark_min_time=...]
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/key_text.h"
#include "game/game_texts.h"
#include "qt/qt_dialog_window.h"
#include "qt/qt_host.h"
#include "seam/ids.h"
#include "ui/game_dialog.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsBetween(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

struct PeriodError {
  int scheduled;
  double observed;
};

void PrintErrors(const char* name, std::vector<PeriodError> errors) {
  std::vector<double> absolute;
  for (const PeriodError& e : errors) absolute.push_back(std::abs(e.observed - e.scheduled));
  std::sort(absolute.begin(), absolute.end());
  const PeriodError worst = *std::max_element(
      errors.begin(), errors.end(), [](const PeriodError& a, const PeriodError& b) {
        return std::abs(a.observed - a.scheduled) < std::abs(b.observed - b.scheduled);
      });
  std::printf(
      "%-28s ticks %4zu  median |error| %7.3f ms  worst %7.3f ms (%d ms asked, %.3f seen)\n", name,
      errors.size(), absolute[absolute.size() / 2], absolute.back(), worst.scheduled,
      worst.observed);
}

// The player's pick in the open dialog of Fixed mode.
class BenchHost : public QtHost {
 public:
  explicit BenchHost(std::string keyFile) : m_keyFile(std::move(keyFile)) {}
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest&) override { return m_keyFile; }

 private:
  std::string m_keyFile;
};

// The game window, with a look at it after every tick.
class MeasuredGame : public CGameDialog {
 public:
  using CGameDialog::CGameDialog;

  void OnTimer(unsigned id) override {
    const Clock::time_point began = Clock::now();
    CGameDialog::OnTimer(id);
    if (afterTick) afterTick(id, began);
  }

  std::string Shown(int id) const { return Window()->ItemText(id); }
  bool Over() const {
    return Shown(ids::kDisplay) == kFinish || Shown(ids::kDisplay) == "YOU WIN!";
  }
  void TypeShownKey() { Window()->SetItemText(ids::kInput, FirstCharacter(Shown(ids::kDisplay))); }

  std::function<void(unsigned id, Clock::time_point began)> afterTick;
};

// As a mouse click does: the control takes the focus, and a button acts.
void Click(QWidget& window, int id) {
  auto* control = window.findChild<QWidget*>(QString::number(id));
  control->setFocus(Qt::MouseFocusReason);
  if (auto* button = qobject_cast<QAbstractButton*>(control)) button->click();
}

// The period of the window's one running timer; the window makes a QTimer per timer id.
int RunningTimerPeriod(const QWidget& window) {
  for (const QTimer* timer : window.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (timer->isActive()) return timer->interval();
  }
  return 0;
}

// Plays a Random game, typing the key on display after every tick, until it has ticked at
// the shortest period; returns each tick's period.
std::vector<PeriodError> PlayRandomGame(MeasuredGame& game, QWidget& window) {
  std::vector<PeriodError> periods;
  int scheduled = 0;
  Clock::time_point restarted;
  QEventLoop loop;
  game.afterTick = [&](unsigned id, Clock::time_point began) {
    if (id == TIMER_RANDOM) {
      periods.push_back({scheduled, MsBetween(restarted, began)});
      // A missed key would end the game early; the figures then cover the ticks so far.
      if (scheduled == kMinimumTimerPeriodMs || game.Over()) {
        game.KillTimer(TIMER_RANDOM);
        return loop.quit();
      }
      game.TypeShownKey();
    }
    // The game's timer was (re)started inside the tick just now.
    scheduled = RunningTimerPeriod(window);
    restarted = Clock::now();
  };
  Click(window, ids::kRandomMode);
  Click(window, ids::kInput);
  loop.exec();
  game.afterTick = nullptr;
  return periods;
}

// The same schedule on a default-type QTimer, restarted from its own timeout as the game
// restarts its timer.
std::vector<PeriodError> RunCoarseBaseline(const std::vector<PeriodError>& schedule) {
  std::vector<PeriodError> seen;
  QEventLoop loop;
  QTimer timer;
  std::size_t next = 0;
  Clock::time_point started;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    seen.push_back({schedule[next].scheduled, MsBetween(started, Clock::now())});
    if (++next == schedule.size()) return loop.quit();
    started = Clock::now();
    timer.start(schedule[next].scheduled);
  });
  started = Clock::now();
  timer.start(schedule[0].scheduled);
  loop.exec();
  return seen;
}

// Arms Fixed mode with the key file and waits out the countdown for the first tick, which
// only shows the first key.
void StartFixedGame(MeasuredGame& game, QWidget& window) {
  QEventLoop loop;
  game.afterTick = [&](unsigned id, Clock::time_point) {
    if (id != TIMER_FIXED) return;
    game.KillTimer(TIMER_FIXED);
    loop.quit();
  };
  Click(window, ids::kFixedMode);
  Click(window, ids::kInput);
  loop.exec();
  game.afterTick = nullptr;
}

std::string WriteMebibyteKeyFile(const QTemporaryDir& dir) {
  const std::string path = dir.filePath("mebibyte.vts").toStdString();
  const std::size_t keys = 1 << 20;
  std::string bytes = std::to_string(keys);
  bytes.resize(8, ' ');
  for (std::size_t i = 0; i < keys; ++i) bytes += "asdjkl"[(i * 7 / 3) % 6];
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

// Each iteration is a tick that continues the game: the key on display is typed first.
void TimeTicks(benchmark::State& state, MeasuredGame& game, unsigned timerId) {
  for (auto _ : state) {
    state.PauseTiming();
    game.TypeShownKey();
    state.ResumeTiming();
    game.OnTimer(timerId);
  }
  game.KillTimer(timerId);
  // The key file holds more keys than any run ticks, so only a fault ends a game here.
  if (game.Over()) state.SkipWithError("the game ended during the run");
}

void RandomTick(benchmark::State& state, MeasuredGame& game) {
  TimeTicks(state, game, TIMER_RANDOM);
}

void FixedTick(benchmark::State& state, MeasuredGame& game, QWidget& window) {
  // Once, on the first run: the countdown takes close to 3 s.
  if (game.Shown(ids::kMode) != kModeFixed) StartFixedGame(game, window);
  TimeTicks(state, game, TIMER_FIXED);
  state.SetBytesProcessed(state.iterations() * ((1 << 20) + 8));
}

// Runs `act` once, as soon as the dialog of the template is the newest window and active.
void WhenShown(QTimer& poll, int templateId, std::function<void(QWidget&)> act) {
  QObject::connect(&poll, &QTimer::timeout, [&poll, templateId, act] {
    QWidget* modal = QApplication::activeWindow();
    if (!modal || modal->objectName() != QString::number(templateId) || !modal->isActiveWindow()) {
      return;
    }
    poll.stop();
    act(*modal);
  });
  poll.start(5);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QTemporaryDir dir;
  BenchHost host(WriteMebibyteKeyFile(dir));

  MeasuredGame game(host);
  QTimer startPoll, mainPoll;
  WhenShown(startPoll, ids::kStartDialog,
            [](QWidget& start) { Click(start, ids::kOk); });  // "STRAT GAME"
  WhenShown(mainPoll, ids::kGameDialog, [&game](QWidget& window) {
    const std::vector<PeriodError> periods = PlayRandomGame(game, window);
    std::printf("Tick periods, scheduled against observed, one 700 ms game to 10 ms:\n");
    PrintErrors("engine (Qt::PreciseTimer)", periods);
    PrintErrors("baseline (default QTimer)", RunCoarseBaseline(periods));
    std::fflush(stdout);
    benchmark::RegisterBenchmark("RandomTick", RandomTick, std::ref(game))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FixedTick/1MiB", FixedTick, std::ref(game), std::ref(window))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    game.EndDialog(0);
  });
  game.DoModal();
  benchmark::Shutdown();
  return 0;
}
