// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "seam/ids.h"
#include "ui/game_dialog.h"

// A host whose start dialog is answered "STRAT GAME" unseen: the start is not what a tick
// benchmark measures.
template <class HostBase>
class StartedHost : public HostBase {
 public:
  using HostBase::HostBase;
  int RunModal(int templateId, DialogEvents& dialog) override {
    return templateId == ids::kStartDialog ? ids::kStartChosen
                                           : HostBase::RunModal(templateId, dialog);
  }
};

// The game window of a host's tick benchmark: once on screen it starts a Random game and
// plays it from 700 ms down to the 10 ms floor, every key typed in time, and times each
// tick's observed period (from the end of the tick that restarted the timer to the start of
// the next) against the period the speed line shows. The host's bench says how a player's
// click of "Random mode", focus into the box and key reach the window.
class MeasuredGame : public CGameDialog {
 public:
  struct Period {
    int asked;
    double seen;
  };

  using CGameDialog::CGameDialog;

  bool OnInitDialog() override {
    const bool focus = CGameDialog::OnInitDialog();
    SetTimer(kKickOff, 100);
    return focus;
  }

  void OnTimer(unsigned id) override {
    if (id == kKickOff) {
      KillTimer(kKickOff);
      return StartRandomGame();
    }
    const double began = NowMs();
    if (id == TIMER_RANDOM) m_periods.push_back({m_asked, began - m_restarted});
    CGameDialog::OnTimer(id);
    if (id == TIMER_RANDOM && m_asked == kMinimumTimerPeriodMs) return EndDialog(0);
    if (id == TIMER_RANDOM || Shown(ids::kDisplay) == "1") {
      m_asked = std::max(AskedPeriod(), kMinimumTimerPeriodMs);
      m_restarted = NowMs();
    }
    if (id == TIMER_RANDOM) TypeKey(Shown(ids::kDisplay).substr(0, 1));
  }

  // One line of figures: the ticks, the median and the worst error; false when no tick was
  // timed.
  bool PrintErrors(const char* name) const {
    std::vector<double> errors;
    for (const Period& p : m_periods) errors.push_back(std::abs(p.seen - p.asked));
    if (errors.empty()) return false;
    const auto worst = std::max_element(errors.begin(), errors.end()) - errors.begin();
    std::vector<double> sorted = errors;
    std::sort(sorted.begin(), sorted.end());
    std::printf(
        "%-28s ticks %4zu  median |error| %7.3f ms  worst %7.3f ms (%d ms asked, %.3f seen)\n",
        name, errors.size(), sorted[sorted.size() / 2], errors[worst], m_periods[worst].asked,
        m_periods[worst].seen);
    return true;
  }

 protected:
  // The click of "Random mode", then the focus into the box.
  virtual void StartRandomGame() = 0;
  // The key typed into the box, as a player who sees it does.
  virtual void TypeKey(const std::string& key) = 0;

  std::string Shown(int id) const { return Window()->ItemText(id); }

 private:
  static constexpr unsigned kKickOff = 7;  // the bench's own timer: the window is on screen

  static double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
  }

  // "Speed: 0.6800/s" is 680 ms; before the first tick the line is empty and the game
  // starts at 700.
  int AskedPeriod() const {
    const std::string line = Shown(ids::kSpeed);
    if (line.empty()) return 700;
    return static_cast<int>(std::lround(std::stod(line.substr(line.find(' ') + 1)) * 1000));
  }

  std::vector<Period> m_periods;
  int m_asked = 0;
  double m_restarted = 0;
};
