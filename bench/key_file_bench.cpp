// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// ReadKeyFile against a plain POSIX read() of the same file. A Fixed-mode tick reads the
// whole key file, so this is the cost of the text-mode translation and the count rules on
// top of the bare I/O. Both run alternately in one loop and see the same cache state; the
// reported time is ReadKeyFile's, with read()'s beside it and their ratio.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/key_file.h"

namespace {

using Clock = std::chrono::steady_clock;

// A key file of `size` bytes in all: the count field, then keys of the six Random letters.
std::string WriteKeyFile(std::size_t size) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("quellabox-bench-" + std::to_string(size) + ".vts"))
                               .string();
  std::string bytes = std::to_string(size - 8);
  bytes.resize(8, ' ');
  for (std::size_t i = 8; i < size; ++i) bytes += "asdjkl"[i % 6];
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::size_t PosixReadWhole(const std::string& path, std::vector<char>& buffer) {
  const int fd = open(path.c_str(), O_RDONLY);
  std::size_t total = 0;
  for (ssize_t n; (n = read(fd, buffer.data(), buffer.size())) > 0;) total += std::size_t(n);
  close(fd);
  return total;
}

void BM_ReadKeyFile(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  const std::string path = WriteKeyFile(size);
  std::vector<char> buffer(size + 1);
  double keyFileSeconds = 0;
  double posixSeconds = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    KeyFile file = ReadKeyFile(path);
    benchmark::DoNotOptimize(file);
    const Clock::time_point between = Clock::now();
    benchmark::DoNotOptimize(PosixReadWhole(path, buffer));
    const Clock::time_point end = Clock::now();

    const double keyFile = std::chrono::duration<double>(between - start).count();
    keyFileSeconds += keyFile;
    posixSeconds += std::chrono::duration<double>(end - between).count();
    state.SetIterationTime(keyFile);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
  state.counters["posix_read_us"] =
      benchmark::Counter(posixSeconds * 1e6, benchmark::Counter::kAvgIterations);
  state.counters["ratio"] = keyFileSeconds / posixSeconds;
  std::remove(path.c_str());
}

BENCHMARK(BM_ReadKeyFile)
    ->Arg(16)
    ->Arg(4 << 10)
    ->Arg(1 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
