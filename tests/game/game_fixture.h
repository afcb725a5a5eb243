#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "seam/ids.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"
#include "ui/game_dialog.h"

using Strings = std::vector<std::string>;
using namespace ids;

// The main window on the scripted host, opened as a player who chose "STRAT GAME", with
// the executable (and so best.data) in a folder of the test's own. Time starts at 0.
class GameTest : public ::testing::Test {
 protected:
  GameTest() : w((host.executablePath = dir.Path() + "Quellabox", OpenGame(dlg))) {}

  // Opens a main window as a player who starts the game, or leaves the start dialog.
  ScriptedWindow& OpenGame(CGameDialog& dialog, bool start = true) {
    host.modal[kStartDialog] = [start](ScriptedWindow& w) {
      start ? w.Click(kOk) : w.PressEscape();
    };
    return host.Open(dialog);
  }

  Strings Texts(std::vector<int> ids) {
    Strings texts;
    for (int id : ids) texts.push_back(w.Text(id));
    return texts;
  }
  // Arms with the button, clicks into the box and lets the countdown run to the first key.
  void StartAndReachFirstTick(int modeButton) {
    w.Click(modeButton);
    w.Focus(kInput);
    host.Advance(2000);
    host.Advance(w.TimerPeriod(GameTimer()));
  }
  unsigned GameTimer() const { return w.TimerPeriod(TIMER_FIXED) ? TIMER_FIXED : TIMER_RANDOM; }
  // Types the text, lets the game timer tick once and gives the display then.
  std::string TypeAndTick(const std::string& text) {
    w.Type(kInput, text);
    host.Advance(w.TimerPeriod(GameTimer()));
    return w.Text(kDisplay);
  }
  // The key on display as a player types it, in lower case.
  std::string ShownKey() { return std::string(1, char(std::tolower(w.Text(kDisplay)[0]))); }

  TempDir dir;
  ScriptedHost host;
  CGameDialog dlg{host};
  ScriptedWindow& w;
};
