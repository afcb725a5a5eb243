// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// vts-make: writes key files for the game's Fixed mode, and tells what the game will read
// from any key file.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "data/key_file_writer.h"
#include "vts_make/counted.h"
#include "vts_make/key_file_info.h"

namespace {

constexpr char kUsage[] =
    "usage: vts-make -o FILE KEYS     write KEYS (one character per key) to the key file FILE\n"
    "       vts-make --info FILE      tell what the game reads from the key file FILE\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "vts-make: %s\n", message.c_str());
  return 1;
}

int Write(const std::string& path, const std::string& keys) {
  const MadeKeyFile made = MakeKeyFile(keys);
  if (!made.refusal.empty()) return Fail(made.refusal + "; nothing written");
  std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  file << made.bytes;
  file.close();
  if (!file) return Fail("cannot write " + path);
  std::printf("%s: %s\n", path.c_str(), Counted(made.count, "key").c_str());
  return 0;
}

int Info(const std::string& path) {
  const std::optional<KeyFileInfo> info = DescribeKeyFile(path);
  if (!info) return Fail("cannot read " + path);
  std::printf("count: %d\nkeys (%zu):", info->count, info->keys.size());
  for (const std::string& key : info->keys) std::printf(" %s", key.c_str());
  std::printf("%s\n", info->keys.empty() ? " none" : "");
  for (const std::string& warning : info->warnings) std::printf("warning: %s\n", warning.c_str());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 4 && std::strcmp(argv[1], "-o") == 0) return Write(argv[2], argv[3]);
  if (argc == 3 && std::strcmp(argv[1], "--info") == 0) return Info(argv[2]);
  if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  std::fputs(kUsage, stderr);
  return 2;
}
