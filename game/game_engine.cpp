// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_engine.h"

#include "game/background_music.h"
#include "seam/ids.h"

CGameEngine::CGameEngine(Host& host) : CDialog(host, ids::kGameDialog) {}

void CGameEngine::DoDataExchange(CDataExchange* pDX) {
  DDX_Text(pDX, ids::kDisplay, m_strDisplay);
  DDX_Text(pDX, ids::kMode, m_strMode);
  DDX_Text(pDX, ids::kInput, m_strInput);
  DDX_Text(pDX, ids::kTip, m_strTip);
  DDX_Text(pDX, ids::kBest, m_strBest);
  DDX_Check(pDX, ids::kHellMode, m_bHellMode);
  DDX_Text(pDX, ids::kKeyFileInfo, m_strKeyFileInfo);
  DDX_Check(pDX, ids::kNoSpeedChange, m_bNoSpeedChange);
  DDX_Text(pDX, ids::kSpeed, m_strSpeed);
}

void CGameEngine::PrepareGame() {
  m_strExeDir = ExeDirectory(GetHost());
  PlayBackgroundMusic(GetHost(), m_strExeDir);
  m_bMusicOn = true;
  m_bStarted = false;
  LoadBestScore();
}
