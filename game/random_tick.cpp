#include <cstdint>
#include <string>

#include "game/classic_rand.h"
#include "game/game_texts.h"
#include "game/key_display.h"
#include "game/key_text.h"
#include "ui/dialog.h"
#include "ui/game_dialog.h"
#include "ui/host.h"

// One tick of a Random game: judge the key shown since the last tick, then draw the next.

namespace {

constexpr const char* kRandomKeys[] = {"A", "S", "D", "J", "K", "L"};
constexpr int kRandomKeyCount = sizeof kRandomKeys / sizeof kRandomKeys[0];

// Seeded afresh from the clock's whole second on every draw, so every draw within one
// second gives the same key.
std::string DrawRandomKey() {
  ClassicRand generator(static_cast<std::uint32_t>(CurrentHost().CalendarTime()));
  return kRandomKeys[generator.Next() % kRandomKeyCount];
}

void EndRandomGame(CGameDialog& dialog) {
  dialog.KillTimer(TIMER_RANDOM);
  dialog.m_strDisplay = kFinish;
  dialog.m_strInput = "";
  dialog.m_strTip += "\nSELECT ONE MODE TO PLAY AGAIN";
  // A record message shows over the window as the tick left it: the missed key still
  // on display; "FINISH" follows once it is closed.
  dialog.UpdateBestScore();
  dialog.UpdateData(false);
}

}  // namespace

void CGameDialog::RandomTick() {
  // The first tick of a game only shows the first key; every later tick has lowered the
  // interval by at least 1.
  const bool firstTick = m_nInterval == m_nInitialInterval;
  UpdateData(true);
  if (firstTick) ShowSpeed();
  m_strInput = UpperText(m_strInput);
  m_strTip = kScorePrefix + std::to_string(m_nScore);
  UpdateData(false);
  if (!firstTick) {
    if (!IsHit(m_strInput, m_strDisplay)) {
      EndRandomGame(*this);
      return;
    }
    ++m_nScore;
  }
  m_strInput = "";
  m_strDisplay = NextDisplay(m_strDisplay, DrawRandomKey());
  UpdateData(false);
  StepInterval(TIMER_RANDOM);
  ShowSpeed();
  Default();
}
