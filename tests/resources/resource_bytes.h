#pragma once

// The generated files as bytes, for the fields they must hold to the byte; what they show
// is checked through Qt's readers.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// A little-endian field; past the end of the file a value no field is expected to hold.
inline std::uint32_t Le(const std::string& bytes, std::size_t at, std::size_t size) {
  if (at + size > bytes.size()) return 0xDEADBEEF;
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// The 16 VGA colours (written RRGGBB) stored as blue, green, red, 0, written out here on their own
// so that a slip in the generators' table shows.
inline std::string VgaPaletteQuads() {
  std::string quads;
  for (std::uint32_t rgb :
       {0x000000u, 0x800000u, 0x008000u, 0x808000u, 0x000080u, 0x800080u, 0x008080u, 0xC0C0C0u,
        0x808080u, 0xFF0000u, 0x00FF00u, 0xFFFF00u, 0x0000FFu, 0xFF00FFu, 0x00FFFFu, 0xFFFFFFu}) {
    quads += {char(rgb & 0xFF), char(rgb >> 8 & 0xFF), char(rgb >> 16), '\0'};
  }
  return quads;
}

// The header of a device-independent bitmap at `at`: 4 bits a pixel, uncompressed, rows
// bottom-up (a positive height), then the VGA palette.
inline void ExpectFourBitDib(const std::string& bytes, std::size_t at, std::uint32_t width,
                             std::uint32_t height, std::uint32_t imageSize) {
  const struct {
    const char* name;
    std::size_t offset, size;
    std::uint32_t value;
  } fields[] = {{"header size", 0, 4, 40},       {"width", 4, 4, width},
                {"height", 8, 4, height},        {"planes", 12, 2, 1},
                {"bits per pixel", 14, 2, 4},    {"compression", 16, 4, 0},
                {"image size", 20, 4, imageSize}};
  for (const auto& field : fields) {
    EXPECT_EQ(Le(bytes, at + field.offset, field.size), field.value) << field.name;
  }
  EXPECT_EQ(bytes.substr(at + 40, 64), VgaPaletteQuads()) << "not the VGA palette";
}
