// The game's ticks on the real Qt host, offscreen, in its real event loop.
//
// 1. Tick periods: a whole Random game from 700 ms down to a 10 ms interval, every key hit.
//    Each tick's observed period (from the end of the tick that restarted the timer to the
//    start of the next) is set against the period the engine asked for. The same schedule
//    then runs on a QTimer of the default (coarse) type as a baseline.
// 2. Tick cost: one Random tick and one Fixed tick with a 1 MiB key file, on the same
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
#include <string>
#include <vector>

#include "game/key_text.h"
#include "ui/game_dialog.h"
#include "ui/qt_host.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kInputBox = 1007;
constexpr int kLastInterval = 10;

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

// Plays the player: types the key on display after every tick, and notes each period
// until the game has ticked at its 10 ms interval.
class MeasuredGame : public CGameDialog {
 public:
  void OnTimer(unsigned id) override {
    const Clock::time_point start = Clock::now();
    if (!m_measuring) return CGameDialog::OnTimer(id);
    if (id == TIMER_RANDOM) periods.push_back({m_scheduled, MsBetween(m_restarted, start)});
    CGameDialog::OnTimer(id);
    // A missed key would end the game early; the figures then cover the ticks so far.
    if (id == TIMER_RANDOM && (m_scheduled == kLastInterval || m_strDisplay == "FINISH")) {
      m_measuring = false;
      KillTimer(TIMER_RANDOM);
      QTimer::singleShot(0, m_whenOver);
      return;
    }
    if (id == TIMER_RANDOM) TypeShownKey();
    // The game timer was (re)started inside the tick just now.
    if (id == TIMER_RANDOM || (id == TIMER_COUNTDOWN && m_nCountdown == 1)) {
      m_scheduled = std::max(m_nInterval, kLastInterval);
      m_restarted = Clock::now();
    }
  }

  void TypeShownKey() { Window()->SetItemText(kInputBox, FirstCharacter(m_strDisplay)); }
  void WhenOver(std::function<void()> then) { m_whenOver = std::move(then); }

  std::vector<PeriodError> periods;

 private:
  bool m_measuring = true;
  int m_scheduled = 0;
  Clock::time_point m_restarted;
  std::function<void()> m_whenOver;
};

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
void RandomTick(benchmark::State& state, MeasuredGame& game) {
  game.m_nInitialInterval = 700;
  for (auto _ : state) {
    state.PauseTiming();
    game.m_nInterval = 600;
    game.TypeShownKey();
    state.ResumeTiming();
    game.OnTimer(TIMER_RANDOM);
  }
  game.KillTimer(TIMER_RANDOM);
}

void FixedTick(benchmark::State& state, MeasuredGame& game, const std::string& keyFile) {
  game.m_strKeyFilePath = keyFile;
  game.m_nInitialInterval = 700;
  game.m_nScore = 0;
  game.m_strDisplay = "A";
  for (auto _ : state) {
    state.PauseTiming();
    game.m_nInterval = 600;
    if (game.m_nScore > (1 << 20) - 2) game.m_nScore = 0;
    game.TypeShownKey();
    state.ResumeTiming();
    game.OnTimer(TIMER_FIXED);
  }
  game.KillTimer(TIMER_FIXED);
  state.SetBytesProcessed(state.iterations() * ((1 << 20) + 8));
}

// Runs `act` once, as soon as the dialog of the template shows as the modal window.
void WhenShown(QTimer& poll, const char* templateId, std::function<void(QWidget*)> act) {
  QObject::connect(&poll, &QTimer::timeout, [&poll, templateId, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->objectName() != templateId || !modal->isVisible()) return;
    poll.stop();
    act(modal);
  });
  poll.start(5);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QtHost host;
  SetCurrentHost(&host);
  QTemporaryDir dir;
  const std::string keyFile = WriteMebibyteKeyFile(dir);

  MeasuredGame game;
  QTimer startPoll, mainPoll;
  WhenShown(startPoll, "129", [](QWidget* start) {
    start->findChild<QAbstractButton*>("1")->click();  // "STRAT GAME"
  });
  WhenShown(mainPoll, "102", [&game](QWidget*) {
    game.OnRandomMode();
    game.OnInputSetFocus();
  });
  game.WhenOver([&] {
    std::printf("Tick periods, scheduled against observed, one 700 ms game to 10 ms:\n");
    PrintErrors("engine (Qt::PreciseTimer)", game.periods);
    PrintErrors("baseline (default QTimer)", RunCoarseBaseline(game.periods));
    std::fflush(stdout);
    benchmark::RegisterBenchmark("RandomTick", RandomTick, std::ref(game))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FixedTick/1MiB", FixedTick, std::ref(game), keyFile)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    game.EndDialog(0);
  });
  game.DoModal();
  SetCurrentHost(nullptr);
  benchmark::Shutdown();
  return 0;
}
