// Any bytes as a key file, read by both readers and compared with the file rules written
// the plainest way. The same bytes also go behind a 4 KiB run of keys, so that they fall
// across the boundary between two blocks the reader takes from the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "data/key_file.h"

namespace {

KeyFile Expected(const std::string& raw) {
  // Text mode: CR LF reaches the reader as LF; 0x1A ends the data.
  std::string text;
  for (std::size_t i = 0; i < raw.size() && raw[i] != '\x1A'; ++i) {
    if (raw[i] != '\r' || i + 1 == raw.size() || raw[i + 1] != '\n') text += raw[i];
  }
  KeyFile file;
  file.count = std::atoi(text.substr(0, 8).c_str());
  if (file.count > 0 && text.size() > 8) {
    file.keys = text.substr(8, static_cast<std::size_t>(file.count));
    file.keys = file.keys.c_str();  // up to the first NUL
  }
  return file;
}

// The input as a real file, so the readers run as the program runs them.
void Check(const std::string& raw) {
  static const std::string path =
      (std::filesystem::temp_directory_path() / "quellabox-fuzz-key-file").u8string();
  std::ofstream(path, std::ios::binary).write(raw.data(), std::streamsize(raw.size()));
  const KeyFile expected = Expected(raw);
  const KeyFile file = ReadKeyFile(path);
  if (file.count != expected.count || file.keys != expected.keys) std::abort();
  if (ReadKeyFileCount(path) != expected.count) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string raw(reinterpret_cast<const char*>(data), size);
  Check(raw);
  Check("99999999" + std::string(4085, 'k') + raw);
  return 0;
}
