// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>

#include "game/game_engine.h"

// The speed schedule: 20 ms off each tick for the first 100 ms below the start, 5 ms
// after that, and no lower bound on the member (the host runs a period below 10 ms at 10).

namespace {
constexpr int kFastStepRangeMs = 100;
constexpr int kFastStepMs = 20;
constexpr int kSlowStepMs = 5;
}  // namespace

void CGameEngine::StepInterval(unsigned timerId) {
  if (m_bNoSpeedChange != 0) {
    // The timer keeps its period; the member still moves, which is how the next tick
    // knows it is not the first.
    --m_nInterval;
    return;
  }
  m_nInterval -= m_nInterval >= m_nInitialInterval - kFastStepRangeMs ? kFastStepMs : kSlowStepMs;
  KillTimer(timerId);
  SetTimer(timerId, m_nInterval);
}

void CGameEngine::ShowSpeed() {
  UpdateData(true);
  // The seconds per key with four decimals, from the whole milliseconds by integer
  // arithmetic: the same digits on every toolchain and under every locale the desktop may
  // have set, a negative interval included.
  const long long ms = m_nInterval;
  const long long magnitude = ms < 0 ? -ms : ms;
  std::string fraction = std::to_string(magnitude % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  m_strSpeed = std::string("Speed: ") + (ms < 0 ? "-" : "") + std::to_string(magnitude / 1000) +
               "." + fraction + "0/s";
  UpdateData(false);
}
