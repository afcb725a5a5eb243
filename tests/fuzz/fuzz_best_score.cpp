// Any bytes as best.data, compared with the C library's reading of the same field; then a
// record written over what was read must read back as the score stored, filler kept.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data/best_score_file.h"
#include "tests/fuzz/fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const FuzzInputFile input("quellabox-fuzz-best-score");
  const BestScoreField field = ReadBestScoreField(input.Write(data, size));

  char expected[kBestScoreFieldSize + 1] = {};
  std::memcpy(expected, data, std::min(size, kBestScoreFieldSize));
  if (BestScoreText(field) != expected) std::abort();
  const int best = BestScoreValue(field);
  if (best != std::atoi(expected)) std::abort();

  // The score of the game: the input's last four bytes, so the fuzzer steers it as well.
  int score = best + 1;
  if (size >= kBestScoreFieldSize + sizeof score) {
    std::memcpy(&score, data + size - sizeof score, sizeof score);
  }
  const BestScoreField record = WithScore(field, score);
  const std::string stored = std::to_string(std::clamp(score, -9999999, 99999999));
  if (BestScoreText(record) != stored) std::abort();
  // Behind the score's NUL the filler stays as read.
  const std::size_t kept = std::min(stored.size() + 1, kBestScoreFieldSize);
  if (!std::equal(record.begin() + kept, record.end(), field.begin() + kept)) std::abort();
  return 0;
}
