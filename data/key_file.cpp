#include "data/key_file.h"

#include <cstddef>

#include "data/field_number.h"
#include "data/text_mode_file.h"

namespace {

constexpr std::size_t kCountFieldSize = 8;

int ReadCount(TextModeFile& file) {
  std::string field;
  file.Read(field, kCountFieldSize);
  return ParseFieldNumber(field);
}

}  // namespace

int ReadKeyFileCount(const std::string& path) {
  TextModeFile file(path);
  return ReadCount(file);
}

KeyFile ReadKeyFile(const std::string& path) {
  TextModeFile file(path);
  KeyFile result;
  result.count = ReadCount(file);
  if (result.count <= 0) return result;
  file.Read(result.keys, static_cast<std::size_t>(result.count));
  const std::size_t nul = result.keys.find('\0');
  if (nul != std::string::npos) result.keys.erase(nul);
  return result;
}
