// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/best_score_file.h"
#include "game/game_engine.h"

namespace {

constexpr char kBestLinePrefix[] = "Best score: ";

// Beside the program, unless its folder belongs to the system (an installed copy).
std::string BestScorePath(ProgramFiles& files, const std::string& exeDir) {
  return files.DataDirectory(exeDir) + kBestScoreFileName;
}

}  // namespace

void CGameEngine::LoadBestScore() {
  m_strBest =
      kBestLinePrefix + BestScoreText(ReadBestScoreField(BestScorePath(GetHost(), m_strExeDir)));
}

void CGameEngine::UpdateBestScore() {
  const std::string path = BestScorePath(GetHost(), m_strExeDir);
  const BestScoreField stored = ReadBestScoreField(path);
  if (m_nScore <= BestScoreValue(stored)) return;

  AfxMessageBox("You make the new highest score!");
  // Written only now, after the message, and in one atomic replace: the file holds the old
  // best or the new one at every instant, even if the program dies in between.
  const BestScoreField record = WithScore(stored, m_nScore);
  const bool saved = GetHost().SaveFileAtomically(path, std::string(record.begin(), record.end()));
  m_strBest = kBestLinePrefix + BestScoreText(record);
  if (!saved) AfxMessageBox("The best score could not be saved.");
}
