// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdint>
#include <string>

#include "data/key_text.h"
#include "game/classic_rand.h"
#include "game/game_engine.h"
#include "game/game_texts.h"
#include "game/key_display.h"
#include "seam/host.h"

// One tick of a Random game: judge the key shown since the last tick, then draw the next.

namespace {

constexpr const char* kRandomKeys[] = {"A", "S", "D", "J", "K", "L"};
constexpr int kRandomKeyCount = sizeof kRandomKeys / sizeof kRandomKeys[0];

// Seeded afresh from the clock's whole second on every draw, so every draw within one
// second gives the same key.
std::string DrawRandomKey(Clock& clock) {
  ClassicRand generator(static_cast<std::uint32_t>(clock.CalendarTime()));
  return kRandomKeys[generator.Next() % kRandomKeyCount];
}

}  // namespace

void CGameEngine::EndRandomGame() {
  KillTimer(TIMER_RANDOM);
  m_strDisplay = kFinish;
  m_strInput = "";
  m_strTip += "\nSELECT ONE MODE TO PLAY AGAIN";
  // A record message shows over the window as the tick left it: the missed key still
  // on display; "FINISH" follows once it is closed.
  UpdateBestScore();
  UpdateData(false);
}

void CGameEngine::RandomTick() {
  // The first tick of a game only shows the first key; every later tick has lowered the
  // interval by at least 1.
  const bool firstTick = m_nInterval == m_nInitialInterval;
  UpdateData(true);
  if (firstTick) ShowSpeed();
  m_strInput = UpperText(m_strInput);
  m_strTip = kScorePrefix + std::to_string(m_nScore);
  UpdateData(false);
  if (!firstTick) {
    if (!IsHit(m_strInput, m_strDisplay)) {
      EndRandomGame();
      return;
    }
    ++m_nScore;
  }
  m_strInput = "";
  m_strDisplay = NextDisplay(m_strDisplay, DrawRandomKey(GetHost()));
  UpdateData(false);
  StepInterval(TIMER_RANDOM);
  ShowSpeed();
}
