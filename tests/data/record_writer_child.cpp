// Sets record after record in best.data until it is killed, so that a test can stop it at
// any instant: inside the record message, while saving, or between two records.
// Usage: record_writer_child DIRECTORY/  (the directory as ExeDirectory gives it)

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "data/best_score_file.h"
#include "tests/support/scripted_host.h"
#include "ui/game_dialog.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: record_writer_child DIRECTORY/\n", stderr);
    return 2;
  }
  ScriptedHost host;
  CGameDialog dialog;
  dialog.m_strExeDir = argv[1];
  int score = BestScoreValue(ReadBestScoreField(dialog.m_strExeDir + kBestScoreFileName));
  std::minstd_rand random(std::random_device{}());

  std::fputs("ready\n", stdout);
  std::fflush(stdout);
  for (;;) {
    // The player takes a moment to dismiss the message.
    host.AnswerMessageBox([&](const ScriptedHost::MessageBoxCall&) {
      std::this_thread::sleep_for(std::chrono::microseconds(random() % 300));
      return IDOK;
    });
    dialog.m_nScore = ++score;
    dialog.UpdateBestScore();
    host.messageBoxes.clear();
  }
}
