// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/text_mode_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kEndOfData = '\x1A';

}  // namespace

TextModeFile::TextModeFile(const std::string& utf8Path)
    : m_path(std::filesystem::u8path(utf8Path)), m_file(m_path, std::ios::binary) {}

bool TextModeFile::Available() {
  if (m_pos < m_end) return true;
  if (m_ended || !m_file.is_open()) return false;
  m_file.read(m_raw.data(), static_cast<std::streamsize>(m_raw.size()));
  m_pos = 0;
  m_end = static_cast<std::size_t>(m_file.gcount());
  m_blockStart = m_rawRead;
  m_rawRead += m_end;
  m_ended = m_end == 0;
  // The end mark cuts the block, so nothing behind it is ever delivered.
  if (const void* mark = std::memchr(m_raw.data(), kEndOfData, m_end)) {
    m_end = static_cast<std::size_t>(static_cast<const char*>(mark) - m_raw.data());
    m_ended = m_atMark = true;
  }
  return m_pos < m_end;
}

std::size_t TextModeFile::RawBytesLeft() const {
  const std::size_t buffered = m_end - m_pos;
  if (m_ended) return buffered;
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(m_path, unknown);
  return unknown || size < m_rawRead ? buffered : buffered + std::size_t(size - m_rawRead);
}

void TextModeFile::Read(std::string& out, std::size_t limit) {
  // A read beyond the buffered block takes its room once, by what the file holds rather
  // than by the limit, instead of copying the text at every growth.
  if (Available() && limit > m_end - m_pos) {
    out.reserve(out.size() + std::min(limit, RawBytesLeft()));
  }
  std::size_t delivered = 0;
  while (delivered < limit && Available()) {
    const char* begin = m_raw.data() + m_pos;
    const std::size_t span = std::min(m_end - m_pos, limit - delivered);
    const void* cr = std::memchr(begin, '\r', span);
    const std::size_t plain = cr ? std::size_t(static_cast<const char*>(cr) - begin) : span;
    out.append(begin, plain);
    delivered += plain;
    m_pos += plain;
    if (cr == nullptr) continue;
    const std::size_t crRaw = m_blockStart + m_pos++;
    // A CR stays a CR unless an LF follows it, perhaps in the next block of the file.
    if (Available() && m_raw[m_pos] == '\n') {
      ++m_pos;
      if (m_reading.crLfPairs++ == 0) {
        m_reading.firstPairRaw = crRaw;
        m_reading.firstPairDelivered = m_delivered + delivered;
      }
      out.push_back('\n');
    } else {
      out.push_back('\r');
    }
    ++delivered;
  }
  m_delivered += delivered;
  if (delivered < limit && m_atMark && !m_reading.endedAtMark) {
    m_reading.endedAtMark = true;
    m_reading.markRaw = m_blockStart + m_end;
    m_reading.markDelivered = m_delivered;
  }
}
