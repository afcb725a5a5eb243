// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "data/best_score_file.h"
#include "game/data_folder.h"
#include "game/game_engine.h"

namespace {

constexpr char kBestLinePrefix[] = "Best score: ";
// Another copy of the game may write its record between a read and the save; the record is
// then read again and judged afresh, a few times at most.
constexpr int kSaveAttempts = 3;

std::string Bytes(const BestScoreField& field) { return std::string(field.begin(), field.end()); }

// The record's path, or empty when there is no folder to keep it in.
std::string BestScorePath(ProgramFiles& files, const std::string& exeDir) {
  const std::string folder = DataFolder(files, exeDir);
  return folder.empty() ? folder : folder + kBestScoreFileName;
}

BestScoreField ReadRecord(const std::string& path) {
  return path.empty() ? BestScoreField{} : ReadBestScoreField(path);
}

// An installed copy keeps the record in the player's data folder. One that an earlier version
// left beside the installed program moves there the first time, so no player loses it.
void MoveRecordOutOfTheProgramFolder(ProgramFiles& files, const std::string& exeDir,
                                     const std::string& path) {
  const std::filesystem::path beside = std::filesystem::u8path(exeDir + kBestScoreFileName);
  std::error_code error;
  if (path.empty() || !files.IsInstalledCopy(exeDir) || !std::filesystem::exists(beside, error) ||
      std::filesystem::exists(std::filesystem::u8path(path), error)) {
    return;
  }
  std::ifstream old(beside, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(old), {}};
  old.close();
  if (files.SaveFileAtomically(path, "", bytes) == SaveResult::Saved) {
    std::filesystem::remove(beside, error);
  }
}

}  // namespace

void CGameEngine::LoadBestScore() {
  const std::string path = BestScorePath(GetHost(), m_strExeDir);
  MoveRecordOutOfTheProgramFolder(GetHost(), m_strExeDir, path);
  m_strBest = kBestLinePrefix + BestScoreText(ReadRecord(path));
}

void CGameEngine::UpdateBestScore() {
  const std::string path = BestScorePath(GetHost(), m_strExeDir);
  for (int attempt = 1; attempt <= kSaveAttempts; ++attempt) {
    const BestScoreField stored = ReadRecord(path);
    if (m_nScore <= BestScoreValue(stored)) return;
    const BestScoreField record = WithScore(stored, m_nScore);
    SaveResult saved = SaveResult::Failed;
    if (!path.empty()) saved = GetHost().SaveFileAtomically(path, Bytes(stored), Bytes(record));
    if (saved == SaveResult::Changed && attempt < kSaveAttempts) continue;
    // Saved before it is announced: a game ended while the message is open (a power cut, a
    // kill) keeps its record. The window shows the texts of before until the message closes.
    m_strBest = kBestLinePrefix + BestScoreText(record);
    AfxMessageBox("You make the new highest score!");
    if (saved != SaveResult::Saved) AfxMessageBox("The best score could not be saved.");
    return;
  }
}
