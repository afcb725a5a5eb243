#include "tests/resources/file_bytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

namespace {

bool Fits(const Bytes& bytes, std::size_t offset, std::size_t length) {
  const bool fits = offset + length <= bytes.size();
  EXPECT_TRUE(fits) << "read of " << length << " bytes at " << offset << " runs past "
                    << bytes.size();
  return fits;
}

}  // namespace

std::uint32_t Le16(const Bytes& bytes, std::size_t offset) {
  if (!Fits(bytes, offset, 2)) return 0;
  return bytes[offset] | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8);
}

std::uint32_t Le32(const Bytes& bytes, std::size_t offset) {
  if (!Fits(bytes, offset, 4)) return 0;
  return Le16(bytes, offset) | (Le16(bytes, offset + 2) << 16);
}

std::string Tag(const Bytes& bytes, std::size_t offset, std::size_t length) {
  if (!Fits(bytes, offset, length)) return {};
  return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                     bytes.begin() + static_cast<std::ptrdiff_t>(offset + length));
}
