#pragma once

#include <string>

// A key file (*.vts): an 8-byte decimal count field, then one byte per key in the order of
// play. Both readers open, read and close the file within the call, so a file changed
// during a game counts from the next read; a file that cannot be opened reads as count 0
// and no keys. Paths are UTF-8.
struct KeyFile {
  int count = 0;     // as the field says, even when fewer keys follow
  std::string keys;  // at most `count` bytes, ending before the first NUL
};

int ReadKeyFileCount(const std::string& path);
KeyFile ReadKeyFile(const std::string& path);
