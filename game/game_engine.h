// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "seam/dialog.h"

constexpr unsigned TIMER_RANDOM = 0;
constexpr unsigned TIMER_FIXED = 1;
constexpr unsigned TIMER_COUNTDOWN = 2;

// The game of the main window (template 102): arming and start, the countdown, the ticks of
// both modes, the speed, the best score and the music. The window's shell derives from it
// and routes the player's clicks to the handlers below.
class CGameEngine : public CDialog {
 public:
  explicit CGameEngine(Host& host);

  void OnTimer(unsigned id) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  // Once the start dialog has ended: the track starts again and best.data is read.
  void PrepareGame();

  void OnMusicToggle();
  void OnRandomMode();
  void OnFixedMode();
  void OnInputSetFocus();

 private:
  void StartGame();
  bool ConfirmHellMode();
  void ShowArmed(const char* mode);
  void CountdownTick();
  void RandomTick();
  void FixedTick();
  void EndRandomGame();
  void EndFixedGame(const char* banner, const std::string& countText);
  void StepInterval(unsigned timerId);
  void ShowSpeed();
  void LoadBestScore();
  void UpdateBestScore();

  // Bound to controls.
  std::string m_strDisplay = "ARE YOU READY?";
  std::string m_strMode = "Mode:None";  // also the game's mode
  std::string m_strInput;
  std::string m_strTip = "Please select a mode to start.";
  std::string m_strBest;
  int m_bHellMode = 0;
  std::string m_strKeyFileInfo;
  int m_bNoSpeedChange = 0;
  std::string m_strSpeed;
  // A game's own state.
  bool m_bMusicOn = false;
  bool m_bStarted = false;  // the armed game has started: a second focus starts nothing
  std::string m_strExeDir;
  int m_nInterval = 0;
  int m_nScore = 0;
  int m_nInitialInterval = 0;
  std::string m_strKeyFilePath;
  int m_nCountdown = 0;
};
