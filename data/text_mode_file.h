// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>

// What a text-mode reading did to the file's bytes, for a tool that explains a file:
// offsets are counted in raw bytes of the file and in bytes delivered to the reader.
struct TextModeReading {
  std::size_t crLfPairs = 0;  // each delivered as one LF
  std::size_t firstPairRaw = 0, firstPairDelivered = 0;
  bool endedAtMark = false;  // a 0x1A byte ended the data before the reader had all it asked
  std::size_t markRaw = 0, markDelivered = 0;
};

// A file read the way a text-mode C stream reads it on the desktop the key files come
// from: a CR LF pair reaches the reader as one LF and a 0x1A byte ends the data. Doing the
// translation here, on raw bytes, makes a key file read the same on every platform.
class TextModeFile {
 public:
  explicit TextModeFile(const std::string& utf8Path);

  // Appends at most `limit` translated bytes to `out`, fewer at the end of the data.
  // The room taken follows what the file holds, never the limit.
  void Read(std::string& out, std::size_t limit);
  const TextModeReading& Reading() const { return m_reading; }

 private:
  // True while raw bytes are buffered, refilling the block from the file when needed.
  bool Available();
  // Raw bytes still to come, buffered or in the file, as far as the file's size tells.
  std::size_t RawBytesLeft() const;

  std::filesystem::path m_path;
  std::ifstream m_file;
  std::size_t m_rawRead = 0;     // raw bytes taken from the file so far
  std::size_t m_blockStart = 0;  // the raw offset of the block's first byte
  std::array<char, 4096> m_raw;
  std::size_t m_pos = 0;
  std::size_t m_end = 0;
  bool m_ended = false;
  bool m_atMark = false;  // the data ends at a 0x1A byte, at m_end of the block
  std::size_t m_delivered = 0;
  TextModeReading m_reading;
};
