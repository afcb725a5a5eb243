#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The fuzz input as a real file, so that the readers run exactly as the program runs
// them: open, read, close. One file per process, removed when the process ends.
class FuzzInputFile {
 public:
  explicit FuzzInputFile(const std::string& name);
  ~FuzzInputFile();
  FuzzInputFile(const FuzzInputFile&) = delete;
  FuzzInputFile& operator=(const FuzzInputFile&) = delete;

  // Replaces the file's bytes with the input; returns the file's UTF-8 path.
  const std::string& Write(const std::uint8_t* data, std::size_t size) const;

 private:
  std::string m_path;
};
