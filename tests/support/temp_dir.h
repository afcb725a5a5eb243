// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// A fresh folder for one test, removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir() {
    do {
      m_path = std::filesystem::temp_directory_path() /
               ("quellabox-test-" + std::to_string(std::random_device()()));
    } while (!std::filesystem::create_directory(m_path));
  }
  ~TempDir() { std::filesystem::remove_all(m_path); }
  std::string Path() const { return m_path.u8string() + "/"; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(std::filesystem::u8path(Path() + name), std::ios::binary) << bytes;
    return Path() + name;
  }
  std::string Read(const std::string& name) const {
    std::ifstream file(std::filesystem::u8path(Path() + name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }

 private:
  std::filesystem::path m_path;
};
