#include <optional>
#include <string>

#include "data/choose_key_file.h"
#include "data/key_file.h"
#include "game/game_texts.h"
#include "ui/dialog.h"
#include "ui/game_dialog.h"

// Arming a game with a mode button, and starting it when the player clicks into the box.

namespace {

constexpr int kInputBoxId = 1007;
constexpr int kCountdownStart = 3;
constexpr int kCountdownPeriodMs = 1000;

// Only Hell mode with the speed still changing is asked about; false when the player
// backs out.
bool ConfirmHellMode(const CGameDialog& dialog) {
  if (dialog.m_bHellMode != 1 || dialog.m_bNoSpeedChange != 0) return true;
  if (AfxMessageBox("Are you sure you choose [Hell mode] ? It's really diffault!", MB_OKCANCEL) ==
      IDCANCEL) {
    return false;
  }
  AfxMessageBox("Good luck!", MB_OK);
  return true;
}

void ShowArmed(CGameDialog& dialog, const char* mode) {
  dialog.GetDlgItem(kInputBoxId).EnableWindow(true);
  dialog.m_strInput = "Click me";
  dialog.m_strTip = "Click the control.";
  dialog.m_strMode = mode;
  dialog.m_strSpeed = "";
}

}  // namespace

void CGameDialog::OnRandomMode() {
  UpdateData(true);
  // A countdown or a Fixed game in progress runs on; only a Random game stops here.
  KillTimer(TIMER_RANDOM);
  if (!ConfirmHellMode(*this)) return;
  ShowArmed(*this, kModeRandom);
  m_strKeyFileInfo = "";
  m_bStarted = false;
  UpdateData(false);
}

void CGameDialog::OnFixedMode() {
  UpdateData(true);
  KillTimer(TIMER_RANDOM);
  if (!ConfirmHellMode(*this)) return;
  const std::optional<std::string> path = ChooseKeyFile();
  if (!path) return;
  m_strKeyFilePath = *path;
  ShowArmed(*this, kModeFixed);
  // Only the count is read now; every tick of the game reads the whole file again.
  m_strKeyFileInfo = "vts info: 0/" + std::to_string(ReadKeyFileCount(m_strKeyFilePath));
  m_bStarted = false;
  UpdateData(false);
}

void CGameDialog::OnInputSetFocus() {
  // Once per arming: clicking or tabbing back into the box never restarts a game.
  if (m_bStarted) return;
  m_bStarted = true;
  StartGame();
}

void CGameDialog::StartGame() {
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
