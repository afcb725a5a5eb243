#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// The whole file, or nothing when it cannot be read.
Bytes ReadFileBytes(const std::string& path);

// Little-endian integers at a byte offset; a read past the end fails the test and gives 0.
std::uint32_t Le16(const Bytes& bytes, std::size_t offset);
std::uint32_t Le32(const Bytes& bytes, std::size_t offset);
std::string Tag(const Bytes& bytes, std::size_t offset, std::size_t length);
