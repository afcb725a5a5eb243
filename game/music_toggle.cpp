// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/background_music.h"
#include "game/game_engine.h"

// Button "Turn on/off the music". Touches no control: its label stays, and no data moves.
void CGameEngine::OnMusicToggle() {
  if (m_bMusicOn) {
    GetHost().StopSound();
    m_bMusicOn = false;
  } else {
    PlayBackgroundMusic(GetHost(), m_strExeDir);
    m_bMusicOn = true;
  }
}
