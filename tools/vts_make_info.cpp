#include "tools/vts_make_info.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/key_file.h"
#include "data/text_mode_file.h"
#include "game/key_text.h"

namespace {

constexpr std::size_t kCountFieldSize = 8;

std::optional<std::string> RawBytes(const std::string& path) {
  std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// A key as the big display shows it; keys that show as nothing visible get a name.
std::string ShownKey(unsigned char key) {
  switch (key) {
    case ' ':
      return "Space";
    case '\t':
      return "Tab";
    case '\n':
      return "LF";
    case '\r':
      return "CR";
  }
  if (key < 0x20 || (key >= 0x7F && key <= 0xA0) || key == 0xAD) {
    char name[5];
    std::snprintf(name, sizeof name, "0x%02X", key);
    return name;
  }
  return UpperText(KeyText(key));
}

// Where a byte that reaches the reader at `offset` lands in the game's reading.
std::string Place(std::size_t offset) {
  if (offset < kCountFieldSize) return "in the count field";
  return "at key " + std::to_string(offset - kCountFieldSize + 1);
}

// The CR LF pairs and the 0x1A end mark among the raw bytes that the game would read:
// the count field and `count` keys, counted in the bytes that reach the reader.
void WarnTextMode(const std::string& raw, int count, std::vector<std::string>& warnings) {
  const std::size_t read = kCountFieldSize + static_cast<std::size_t>(std::max(count, 0));
  std::size_t pairs = 0;
  std::string firstPair;
  std::size_t offset = 0;
  for (std::size_t i = 0; i < raw.size() && offset < read; ++i, ++offset) {
    if (raw[i] == '\x1A') {
      warnings.push_back("the byte 0x1A at byte " + std::to_string(i) +
                         " ends the file for the game, " + Place(offset));
      break;
    }
    if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
      if (pairs++ == 0) firstPair = "byte " + std::to_string(i) + ", " + Place(offset);
      ++i;
    }
  }
  if (pairs > 0) {
    warnings.push_back(std::to_string(pairs) + " CR LF pair" + (pairs == 1 ? "" : "s") +
                       " read as one LF each, the first at " + firstPair);
  }
}

// The count against the keys the game gets, and the NUL byte that may have ended them.
void WarnCount(const std::string& path, const KeyFile& file, std::vector<std::string>& warnings) {
  if (file.count <= 0) {
    warnings.push_back("the count is " + std::to_string(file.count) +
                       ", so the game plays no keys");
    return;
  }
  const std::size_t keys = file.keys.size();
  if (keys >= static_cast<std::size_t>(file.count)) return;
  std::string delivered;
  TextModeFile reader(path);
  reader.Read(delivered, kCountFieldSize + static_cast<std::size_t>(file.count));
  const bool nul = delivered.size() > kCountFieldSize + keys;
  warnings.push_back("the count is " + std::to_string(file.count) + " but the game gets " +
                     std::to_string(keys) + " key" + (keys == 1 ? "" : "s") +
                     (nul ? ": a NUL byte after them ends the sequence" : ""));
}

}  // namespace

std::optional<KeyFileInfo> DescribeKeyFile(const std::string& path) {
  const std::optional<std::string> raw = RawBytes(path);
  if (!raw) return std::nullopt;
  const KeyFile file = ReadKeyFile(path);
  KeyFileInfo info;
  info.count = file.count;
  for (const char key : file.keys) info.keys.push_back(ShownKey(static_cast<unsigned char>(key)));
  WarnCount(path, file, info.warnings);
  WarnTextMode(*raw, file.count, info.warnings);
  return info;
}
