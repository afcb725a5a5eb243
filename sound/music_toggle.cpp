#include "sound/background_music.h"
#include "ui/game_dialog.h"
#include "ui/host.h"

// Button 1003. Touches no control: its label stays, and no data moves.
void CGameDialog::OnMusicToggle() {
  if (m_bMusicOn) {
    CurrentHost().StopSound();
    m_bMusicOn = false;
  } else {
    PlayBackgroundMusic();
    m_bMusicOn = true;
  }
}
