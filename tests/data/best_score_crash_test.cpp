// POSIX only: the test kills a child process with SIGKILL.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "tests/support/temp_dir.h"

using namespace std::string_literals;

extern char** environ;

namespace {

// Starts the record writer on `directory` and returns once it is about to set records.
pid_t StartRecordWriter(const std::string& directory) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, ready[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, ready[0]);
  std::string program = RECORD_WRITER_CHILD;
  std::string argument = directory;
  char* argv[] = {program.data(), argument.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(ready[1]);
  char first = 0;
  if (pid > 0 && read(ready[0], &first, 1) != 1) pid = -1;
  close(ready[0]);
  return pid;
}

TEST(BestScoreCrashTest, BestScoreFile_HoldsTheOldOrTheNewBestWhenTheProgramDies) {
  TempDir dir;
  dir.Write("best.data", "0\0\0\0\0\0\0\0"s);
  std::mt19937 random(20240611);
  int lastBest = 0;
  for (int round = 0; round < 80; ++round) {
    const pid_t child = StartRecordWriter(dir.Path());
    ASSERT_GT(child, 0) << "the record writer did not start";
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the record writer ended by itself";

    ASSERT_TRUE(dir.Exists("best.data")) << "after kill " << round;
    const std::string bytes = dir.Read("best.data");
    ASSERT_EQ(bytes.size(), 8u) << testing::PrintToString(bytes) << " after kill " << round;
    // Every record is written over the previous one, so the file is always the digits of
    // some score, a NUL and zeros; and a later record never goes below an earlier one.
    const std::string digits = bytes.substr(0, bytes.find('\0'));
    ASSERT_EQ(bytes, digits + std::string(8 - digits.size(), '\0')) << "after kill " << round;
    ASSERT_EQ(digits.find_first_not_of("0123456789"), std::string::npos) << digits;
    const int best = std::stoi(digits);
    ASSERT_GE(best, lastBest) << "after kill " << round;
    lastBest = best;
  }
  EXPECT_GT(lastBest, 0) << "no record was ever written";
}

}  // namespace
