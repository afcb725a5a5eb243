#pragma once

#include <array>
#include <cstddef>
#include <fstream>
#include <string>

// A file read the way a text-mode C stream reads it on the desktop the key files come
// from: a CR LF pair reaches the reader as one LF and a 0x1A byte ends the data. Doing the
// translation here, on raw bytes, makes a key file read the same on every platform.
class TextModeFile {
 public:
  explicit TextModeFile(const std::string& utf8Path);

  // Appends at most `limit` translated bytes to `out`, fewer at the end of the data.
  // Memory grows with the bytes delivered, never with the limit.
  void Read(std::string& out, std::size_t limit);

 private:
  bool Available();  // raw bytes are buffered, refilling from the file when needed

  std::ifstream m_file;
  std::array<char, 4096> m_raw;
  std::size_t m_pos = 0;
  std::size_t m_end = 0;
  bool m_ended = false;
};
