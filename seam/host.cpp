// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seam/host.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

ModalRunner::RunningLoop::RunningLoop(ModalRunner& runner, DialogWindow& window)
    : m_runner(runner), m_window(window) {
  m_runner.m_loops.push_back(&m_window);
}

ModalRunner::RunningLoop::~RunningLoop() {
  auto& loops = m_runner.m_loops;
  loops.erase(std::find(loops.rbegin(), loops.rend(), &m_window).base() - 1);
}

namespace {

// The part of the path after its last separator.
std::string FileName(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

std::string FolderOf(const std::string& path) {
  return path.substr(0, path.size() - FileName(path).size());
}

std::string ExeDirectory(ProgramFiles& files) { return FolderOf(files.ExecutablePath()); }

std::string ApplicationTitle(ProgramFiles& files) {
  const std::string name = FileName(files.ExecutablePath());
  // A leading dot names a hidden file; it starts no extension.
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

bool FileStillHolds(const std::string& path, const std::string& expected) {
  std::string head(expected.size(), '\0');
  std::ifstream(std::filesystem::u8path(path), std::ios::binary)
      .read(head.data(), static_cast<std::streamsize>(head.size()));
  return head == expected;
}
