// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstddef>
#include <string>

#include "data/key_file.h"
#include "data/key_text.h"
#include "game/game_engine.h"
#include "game/game_texts.h"
#include "game/key_display.h"

// One tick of a Fixed game: the key file is read afresh, so a file changed during the
// game counts from this tick; the key shown since the last tick is judged, then the key
// at the score's index follows.

namespace {

std::string ProgressLine(const std::string& scoreText, const std::string& countText) {
  return "vts info: " + scoreText + "/" + countText;
}

}  // namespace

// A miss, a missing key and a win end alike; the lines show the hits counted so far,
// which after a miss are those shown already.
void CGameEngine::EndFixedGame(const char* banner, const std::string& countText) {
  KillTimer(TIMER_FIXED);
  const std::string scoreText = std::to_string(m_nScore);
  m_strDisplay = banner;
  m_strKeyFileInfo = ProgressLine(scoreText, countText);
  m_strInput = "";
  m_strTip = kScorePrefix + scoreText + "\nThis mode does not count the highest score.";
  UpdateData(false);
}

void CGameEngine::FixedTick() {
  const KeyFile file = ReadKeyFile(m_strKeyFilePath);
  const std::string countText = std::to_string(file.count);
  const bool firstTick = m_nInterval == m_nInitialInterval;
  UpdateData(true);
  if (firstTick) ShowSpeed();
  m_strInput = UpperText(m_strInput);
  const std::string scoreText = std::to_string(m_nScore);
  m_strTip = kScorePrefix + scoreText;
  m_strKeyFileInfo = ProgressLine(scoreText, countText);
  UpdateData(false);
  if (!firstTick) {
    if (!IsHit(m_strInput, m_strDisplay)) {
      EndFixedGame(kFinish, countText);
      return;
    }
    ++m_nScore;
    if (m_nScore == file.count) {
      EndFixedGame("YOU WIN!", countText);
      return;
    }
  }
  // The sequence can end before the count (a short file, a NUL among the keys, a count
  // of 0 or below, a file cut during the game): with no key left to show, the game is
  // over as after a miss.
  if (static_cast<std::size_t>(m_nScore) >= file.keys.size()) {
    EndFixedGame(kFinish, countText);
    return;
  }
  m_strInput = "";
  const auto key = static_cast<unsigned char>(file.keys[static_cast<std::size_t>(m_nScore)]);
  m_strDisplay = NextDisplay(m_strDisplay, UpperText(KeyText(key)));
  UpdateData(false);
  StepInterval(TIMER_FIXED);
  ShowSpeed();
}
