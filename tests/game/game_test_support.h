#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <initializer_list>
#include <string>
#include <vector>

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
  // The texts of several controls, to compare at once.
  std::vector<std::string> Texts(std::initializer_list<int> ids) const {
    std::vector<std::string> texts;
    for (int id : ids) texts.push_back(Text(id));
    return texts;
  }

  // A key file in the test's directory; the file dialog will choose it.
  std::string ChooseKeyFileWith(const std::string& bytes) {
    const std::string path = dir.Write("keys.vts", bytes);
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

  // Lets the time pass and gives the display then.
  std::string DisplayAfter(int ms) {
    host.Advance(ms);
    return Text(kDisplay);
  }

  // The game timer that runs now, if any.
  unsigned GameTimer() const { return w.TimerRunning(TIMER_FIXED) ? TIMER_FIXED : TIMER_RANDOM; }

  // Types the text, lets the running game timer tick once and gives the display then.
  std::string TypeAndTick(const std::string& text) {
    w.Type(kInput, text);
    host.Advance(w.TimerPeriod(GameTimer()));
    return Text(kDisplay);
  }

  // The key on display, in lower case where it is a letter, as a player types it.
  std::string ShownKey() const {
    return std::string(1, static_cast<char>(std::tolower(Text(kDisplay)[0])));
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
