#include "tests/support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::random_device random;
  for (;;) {
    const fs::path path =
        fs::temp_directory_path() / ("quellabox-test-" + std::to_string(random()));
    if (fs::create_directory(path)) {
      m_path = path.string() + "/";
      return;
    }
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(m_path, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
  const std::string path = m_path + name;
  std::ofstream(fs::u8path(path), std::ios::binary) << bytes;
  return path;
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream file(fs::u8path(m_path + name), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool TempDir::Exists(const std::string& name) const {
  return fs::exists(fs::u8path(m_path + name));
}
