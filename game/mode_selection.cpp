// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <optional>
#include <string>

#include "data/key_file.h"
#include "game/choose_key_file.h"
#include "game/game_engine.h"
#include "game/game_texts.h"
#include "seam/ids.h"

// Arming a game with a mode button, and starting it when the player clicks into the box.

namespace {
constexpr int kCountdownStart = 3;
constexpr int kCountdownPeriodMs = 1000;
}  // namespace

// Only Hell mode with the speed still changing is asked about; false when the player
// backs out.
bool CGameEngine::ConfirmHellMode() {
  if (m_bHellMode != 1 || m_bNoSpeedChange != 0) return true;
  if (AfxMessageBox("Are you sure you choose [Hell mode] ? It's really diffault!",
                    MessageButtons::OkCancel) == ids::kCancel) {
    return false;
  }
  AfxMessageBox("Good luck!");
  return true;
}

void CGameEngine::ShowArmed(const char* mode) {
  Window()->EnableItem(ids::kInput, true);
  m_strInput = "Click me";
  m_strTip = "Click the control.";
  m_strMode = mode;
  m_strSpeed = "";
}

void CGameEngine::OnRandomMode() {
  UpdateData(true);
  // A countdown or a Fixed game in progress runs on; only a Random game stops here.
  KillTimer(TIMER_RANDOM);
  if (!ConfirmHellMode()) return;
  ShowArmed(kModeRandom);
  m_strKeyFileInfo = "";
  m_bStarted = false;
  UpdateData(false);
}

void CGameEngine::OnFixedMode() {
  UpdateData(true);
  KillTimer(TIMER_RANDOM);
  if (!ConfirmHellMode()) return;
  const std::optional<std::string> path = ChooseKeyFile(GetHost(), m_strKeyFilePath);
  if (!path) return;
  m_strKeyFilePath = *path;
  ShowArmed(kModeFixed);
  // Only the count is read now; every tick of the game reads the whole file again.
  m_strKeyFileInfo = "vts info: 0/" + std::to_string(ReadKeyFileCount(m_strKeyFilePath));
  m_bStarted = false;
  UpdateData(false);
}

void CGameEngine::OnInputSetFocus() {
  // Once per arming: clicking or tabbing back into the box never restarts a game.
  if (m_bStarted) return;
  m_bStarted = true;
  StartGame();
}

void CGameEngine::StartGame() {
  m_strInput = "";
  // The check states are those read at the mode button's click.
  m_nInitialInterval = 700;
  if (m_bHellMode == 1) m_nInitialInterval = m_bNoSpeedChange == 0 ? 500 : 400;
  m_nInterval = m_nInitialInterval;
  m_nScore = 0;
  // Also sets the check boxes back to the states that count for this game.
  UpdateData(false);
  m_nCountdown = kCountdownStart;
  m_strDisplay = std::to_string(m_nCountdown);
  UpdateData(false);
  SetTimer(TIMER_COUNTDOWN, kCountdownPeriodMs);
}
