// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <charconv>
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
  // The seconds per key go through single precision before they are printed, and
  // to_chars prints them the same under every locale the desktop may have set.
  const float seconds = static_cast<float>(m_nInterval * 0.001);
  char number[48];
  const std::to_chars_result end = std::to_chars(
      number, number + sizeof number, static_cast<double>(seconds), std::chars_format::fixed, 4);
  m_strSpeed = "Speed: " + std::string(number, end.ptr) + "/s";
  UpdateData(false);
}
