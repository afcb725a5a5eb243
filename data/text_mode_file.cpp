#include "data/text_mode_file.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr char kEndOfData = '\x1A';

bool NeedsTranslation(char c) { return c == '\r' || c == kEndOfData; }

}  // namespace

TextModeFile::TextModeFile(const std::string& utf8Path)
    : m_file(std::filesystem::u8path(utf8Path), std::ios::binary) {}

bool TextModeFile::Available() {
  if (m_pos < m_end) return true;
  if (m_ended || !m_file.is_open()) return false;
  m_file.read(m_raw.data(), static_cast<std::streamsize>(m_raw.size()));
  m_pos = 0;
  m_end = static_cast<std::size_t>(m_file.gcount());
  m_ended = m_end == 0;
  return !m_ended;
}

void TextModeFile::Read(std::string& out, std::size_t limit) {
  std::size_t delivered = 0;
  while (delivered < limit && Available()) {
    const char* begin = m_raw.data() + m_pos;
    const char* end = begin + std::min(m_end - m_pos, limit - delivered);
    const char* special = std::find_if(begin, end, NeedsTranslation);
    out.append(begin, special);
    delivered += static_cast<std::size_t>(special - begin);
    m_pos += static_cast<std::size_t>(special - begin);
    if (special == end) continue;
    ++m_pos;
    if (*special == kEndOfData) {
      m_ended = true;
      m_pos = m_end;
      return;
    }
    // A CR stays a CR unless an LF follows it, perhaps in the next block of the file.
    if (Available() && m_raw[m_pos] == '\n') {
      ++m_pos;
      out.push_back('\n');
    } else {
      out.push_back('\r');
    }
    ++delivered;
  }
}
