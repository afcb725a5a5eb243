// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>

#include "game/game_engine.h"
#include "game/game_texts.h"

// Every timer of the window ticks here; the id alone picks the work.

void CGameEngine::OnTimer(unsigned id) {
  switch (id) {
    case TIMER_COUNTDOWN:
      CountdownTick();
      break;
    case TIMER_RANDOM:
      RandomTick();
      break;
    case TIMER_FIXED:
      FixedTick();
      break;
    default:
      AfxMessageBox(kIllegalMode);
      break;
  }
}

void CGameEngine::CountdownTick() {
  --m_nCountdown;
  m_strDisplay = std::to_string(m_nCountdown);
  // Writes every member back, not just the count: text typed into the box and check
  // boxes changed during the countdown are set back here.
  UpdateData(false);
  if (m_nCountdown != 1) return;
  KillTimer(TIMER_COUNTDOWN);
  // The label is read now, so a mode button pressed during the countdown decides.
  if (m_strMode == kModeRandom) {
    SetTimer(TIMER_RANDOM, m_nInterval);
  } else if (m_strMode == kModeFixed) {
    SetTimer(TIMER_FIXED, m_nInterval);
  } else {
    AfxMessageBox(kIllegalMode);
  }
}
