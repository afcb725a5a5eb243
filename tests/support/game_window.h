#pragma once

#include "tests/support/scripted_host.h"
#include "ui/game_dialog.h"

// Opens the main game window on the scripted host as a player who chose "STRAT GAME".
inline ScriptedWindow& OpenGameWindow(ScriptedHost& host, CGameDialog& dialog) {
  host.OnModal(129, [](ScriptedWindow& start) { start.Click(IDOK); });
  return host.Open(dialog);
}
