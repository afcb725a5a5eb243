#include "data/best_score_file.h"
#include "ui/dialog.h"
#include "ui/game_dialog.h"
#include "ui/host.h"

namespace {

constexpr char kBestLinePrefix[] = "Best score: ";

// Beside the program, unless its folder belongs to the system (an installed copy).
std::string BestScorePath(const std::string& exeDir) {
  return CurrentHost().DataDirectory(exeDir) + kBestScoreFileName;
}

}  // namespace

void CGameDialog::LoadBestScore() {
  m_strBest = kBestLinePrefix + BestScoreText(ReadBestScoreField(BestScorePath(m_strExeDir)));
}

void CGameDialog::UpdateBestScore() {
  const std::string path = BestScorePath(m_strExeDir);
  const BestScoreField stored = ReadBestScoreField(path);
  if (m_nScore <= BestScoreValue(stored)) return;

  AfxMessageBox("You make the new highest score!", MB_OK);
  // Written only now, after the message, and in one atomic replace: the file holds the old
  // best or the new one at every instant, even if the program dies in between.
  const BestScoreField record = WithScore(stored, m_nScore);
  const bool saved =
      CurrentHost().SaveFileAtomically(path, std::string(record.begin(), record.end()));
  m_strBest = kBestLinePrefix + BestScoreText(record);
  if (!saved) AfxMessageBox("The best score could not be saved.", MB_OK);
}
