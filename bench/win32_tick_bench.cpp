// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's ticks on the Windows host, in its real message loop (under Wine, or on
// Windows): a whole Random game from 700 ms down to the 10 ms floor, every key typed in
// time, each tick's observed period (from the end of the tick that restarted the timer to
// the start of the next) set against the period the speed line shows. It plays as a player
// does, through the window: a click of "Random mode", the focus into the box, the key typed.
//
// Run: wine64 build-windows/bench/quellabox_bench_tick_windows.exe
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "seam/ids.h"
#include "ui/game_dialog.h"
#include "win32/win32_dialog_window.h"
#include "win32/win32_host.h"

namespace {

constexpr unsigned kKickOff = 7;  // a timer of the bench's own: the game window is on screen

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Period {
  int asked;
  double seen;
};

// The start dialog is not what is measured: it is answered "STRAT GAME" unseen.
class BenchHost : public Win32Host {
 public:
  using Win32Host::Win32Host;
  int RunModal(int templateId, DialogEvents& dialog) override {
    return templateId == ids::kStartDialog ? ids::kStartChosen
                                           : Win32Host::RunModal(templateId, dialog);
  }
};

class MeasuredGame : public CGameDialog {
 public:
  using CGameDialog::CGameDialog;

  bool OnInitDialog() override {
    const bool focus = CGameDialog::OnInitDialog();
    Window()->SetTimer(kKickOff, 100);
    return focus;
  }

  void OnTimer(unsigned id) override {
    if (id == kKickOff) return KickOff();
    const double began = NowMs();
    if (id == TIMER_RANDOM) periods.push_back({m_asked, began - m_restarted});
    CGameDialog::OnTimer(id);
    if (id == TIMER_RANDOM && m_asked == kMinimumTimerPeriodMs) return EndDialog(0);
    if (id == TIMER_RANDOM || Shown(ids::kDisplay) == "1") {
      m_asked = std::max(AskedPeriod(), kMinimumTimerPeriodMs);
      m_restarted = NowMs();
    }
    if (id == TIMER_RANDOM) TypeShownKey();
  }

  std::vector<Period> periods;

 private:
  HWND Handle() const { return static_cast<Win32DialogWindow*>(Window())->Handle(); }
  std::string Shown(int id) const { return Window()->ItemText(id); }

  void KickOff() {
    Window()->KillTimer(kKickOff);
    SendMessageW(GetDlgItem(Handle(), ids::kRandomMode), BM_CLICK, 0, 0);
    SetFocus(GetDlgItem(Handle(), ids::kInput));
  }

  // "Speed: 0.6800/s" is 680 ms; before the first tick the line is empty and the game
  // starts at 700.
  int AskedPeriod() const {
    const std::string line = Shown(ids::kSpeed);
    if (line.empty()) return 700;
    return static_cast<int>(std::lround(std::stod(line.substr(line.find(' ') + 1)) * 1000));
  }

  void TypeShownKey() {
    const std::string key(1, static_cast<char>(std::tolower(Shown(ids::kDisplay)[0])));
    SetDlgItemTextA(Handle(), ids::kInput, key.c_str());
  }

  int m_asked = 0;
  double m_restarted = 0;
};

}  // namespace

int main() {
  BenchHost host(GetModuleHandleW(nullptr));
  MeasuredGame game(host);
  game.DoModal();
  std::vector<double> errors;
  for (const Period& p : game.periods) errors.push_back(std::abs(p.seen - p.asked));
  if (errors.empty()) return 1;
  const auto worst = std::max_element(errors.begin(), errors.end()) - errors.begin();
  std::vector<double> sorted = errors;
  std::sort(sorted.begin(), sorted.end());
  std::printf(
      "%-28s ticks %4zu  median |error| %7.3f ms  worst %7.3f ms (%d ms asked, %.3f seen)\n",
      "engine (Windows timers)", errors.size(), sorted[sorted.size() / 2], errors[worst],
      game.periods[worst].asked, game.periods[worst].seen);
  return 0;
}
