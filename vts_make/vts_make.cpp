// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// vts-make: writes key files for the game's Fixed mode, and tells what the game will read
// from any key file.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "data/key_file_writer.h"
#include "vts_make/counted.h"
#include "vts_make/key_file_info.h"

namespace {

constexpr char kUsage[] =
    "usage: vts-make [--force] -o FILE KEYS  write KEYS, one character per key, to FILE\n"
    "       vts-make --info FILE             tell what the game reads from the key file FILE\n"
    "       vts-make --help                  print this help\n"
    "--force replaces a FILE that exists; KEYS that begin with - follow --.\n";

constexpr char kOneTask[] = "give either -o FILE KEYS or --info FILE";

// What the command line asks for, read as Unix tools read theirs: options anywhere before
// "--", everything after it an operand.
struct Request {
  enum class Task { Help, Write, Info } task = Task::Help;
  std::string file, keys;
  bool force = false;
  std::string wrong;  // why the command line is wrong, when it is
};

Request Wrong(std::string why) {
  Request request;
  request.wrong = std::move(why);
  return request;
}

Request Read(const std::vector<std::string>& arguments) {
  Request request;
  bool help = false, tasked = false, optionsEnded = false;
  std::vector<std::string> operands;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      operands.push_back(argument);
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "-h" || argument == "--help") {
      help = true;
    } else if (argument == "--force") {
      request.force = true;
    } else if (argument == "-o" || argument == "--info") {
      if (tasked) return Wrong(kOneTask);
      if (i + 1 == arguments.size()) return Wrong(argument + " needs a FILE");
      tasked = true;
      request.task = argument == "-o" ? Request::Task::Write : Request::Task::Info;
      request.file = arguments[++i];
    } else {
      return Wrong("unknown option '" + argument + "'");
    }
  }
  if (help) return Request{};
  if (!tasked) return Wrong(kOneTask);
  const bool writing = request.task == Request::Task::Write;
  if (request.force && !writing) return Wrong("--force goes with -o only");
  const std::size_t wanted = writing ? 1 : 0;
  if (operands.size() > wanted) return Wrong("unexpected argument '" + operands[wanted] + "'");
  if (writing && (operands.empty() || operands[0].empty())) return Wrong("no keys given");
  if (writing) request.keys = operands[0];
  return request;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "vts-make: %s\n", message.c_str());
  return 1;
}

int Write(const Request& request) {
  const MadeKeyFile made = MakeKeyFile(request.keys);
  if (!made.refusal.empty()) return Fail(made.refusal + "; nothing written");
  const std::filesystem::path path = std::filesystem::u8path(request.file);
  std::error_code unknown;
  // A link counts as the file it is, even when it leads nowhere.
  if (!request.force && std::filesystem::exists(std::filesystem::symlink_status(path, unknown))) {
    return Fail(request.file + " exists; --force replaces it");
  }
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return Fail("cannot write " + request.file + ": " + std::strerror(errno));
  file << made.bytes;
  file.close();
  if (!file) {
    const int error = errno;
    // No key file rather than part of one; a device given with --force stays.
    if (std::filesystem::is_regular_file(path, unknown)) std::filesystem::remove(path, unknown);
    return Fail("cannot write " + request.file + ": " + std::strerror(error));
  }
  std::printf("%s: %s\n", request.file.c_str(), Counted(made.count, "key").c_str());
  return 0;
}

int Info(const std::string& path) {
  const KeyFileInfo info = DescribeKeyFile(path);
  if (!info.failure.empty()) return Fail(path + ": " + info.failure);
  std::printf("count: %d\nkeys (%zu):", info.count, info.keys.size());
  for (const std::string& key : info.keys) std::printf(" %s", key.c_str());
  std::printf("%s\n", info.keys.empty() ? " none" : "");
  for (const std::string& warning : info.warnings) std::printf("warning: %s\n", warning.c_str());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  const Request request = Read({argv + 1, argv + argc});
  if (!request.wrong.empty()) {
    Fail(request.wrong);
    std::fputs(kUsage, stderr);
    return 2;
  }
  switch (request.task) {
    case Request::Task::Write:
      return Write(request);
    case Request::Task::Info:
      return Info(request.file);
    case Request::Task::Help:
      break;
  }
  std::fputs(kUsage, stdout);
  return 0;
}
