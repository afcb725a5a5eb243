#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "tests/support/game_window.h"
#include "tests/support/scripted_host.h"
#include "tests/support/temp_dir.h"
#include "ui/game_dialog.h"

// Controls of the main window that the engine writes or the player uses.
constexpr int kDisplay = 1001;
constexpr int kModeLabel = 1004;
constexpr int kRandomButton = 1005;
constexpr int kFixedButton = 1006;
constexpr int kInput = 1007;
constexpr int kTip = 1008;
constexpr int kBestLine = 1011;
constexpr int kHellMode = 1013;
constexpr int kKeyFileLine = 1015;
constexpr int kNoSpeedChange = 1016;
constexpr int kSpeedLine = 1017;

// The main window on the scripted host, with the executable (and so best.data) in a
// directory of the test's own. Virtual time starts at 0.
class GameTest : public ::testing::Test {
 protected:
  GameTest() : w(Open()) {}

  const std::string& Text(int id) const { return w.Item(id).text; }

  // A key file in the test's directory; the file dialog will choose it.
  std::string ChooseKeyFileWith(const std::string& bytes, const std::string& name = "keys.vts") {
    const std::string path = dir.Write(name, bytes);
    host.AnswerFileDialog([path](const OpenFileRequest&) { return path; });
    return path;
  }

  // Arms with the button and clicks into the box; the game's first tick comes after the
  // two countdown seconds and the first interval.
  void StartWith(int modeButton) {
    w.Click(modeButton);
    w.Focus(kInput);
  }
  void StartAndReachFirstTick(int modeButton) {
    StartWith(modeButton);
    host.Advance(2000 + dlg.m_nInitialInterval);
  }

  // Lets the running game timer tick once: it was (re)started one period before.
  void NextTick(unsigned timerId) { host.Advance(w.TimerPeriod(timerId)); }

  // Types the key on display, in lower case where it is a letter, as a player would.
  void TypeShownKey() {
    const std::string shown = Text(kDisplay).substr(0, 1);
    w.Type(kInput, std::string(1, static_cast<char>(std::tolower(shown[0]))));
  }

  TempDir dir;
  ScriptedHost host;
  CGameDialog dlg;
  ScriptedWindow& w;

 private:
  ScriptedWindow& Open() {
    host.executablePath = dir.Path() + "Quellabox";
    return OpenGameWindow(host, dlg);
  }
};
