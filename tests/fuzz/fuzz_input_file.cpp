#include "tests/fuzz/fuzz_input_file.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

FuzzInputFile::FuzzInputFile(const std::string& name)
    : m_path((std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid())))
                 .u8string()) {}

FuzzInputFile::~FuzzInputFile() { std::remove(m_path.c_str()); }

const std::string& FuzzInputFile::Write(const std::uint8_t* data, std::size_t size) const {
  std::ofstream(std::filesystem::u8path(m_path), std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return m_path;
}
