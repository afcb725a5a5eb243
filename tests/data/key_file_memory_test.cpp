#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <new>

#include "data/key_file.h"
#include "tests/support/temp_dir.h"

// The largest single request to operator new while the meter runs. Replacing the global
// operator new is the one way to see what the reader asks for without changing it.
namespace {
std::atomic<bool> g_metering{false};
std::atomic<std::size_t> g_largestRequest{0};
}  // namespace

void* operator new(std::size_t size) {
  if (g_metering && size > g_largestRequest) g_largestRequest = size;
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
// Every delete of the replaced news, so that a sanitizer sees matching pairs.
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

std::size_t LargestRequestWhileReading(const std::string& path, KeyFile& file) {
  g_largestRequest = 0;
  g_metering = true;
  file = ReadKeyFile(path);
  g_metering = false;
  return g_largestRequest;
}

TEST(KeyFileMemoryTest, ReadKeyFile_TakesMemoryByTheFileNotByTheCount) {
  TempDir dir;
  KeyFile file;

  const std::size_t forEmpty = LargestRequestWhileReading(dir.Write("empty.vts", "99999999"), file);
  EXPECT_EQ(file.count, 99999999);
  EXPECT_EQ(file.keys, "");
  // The stream's own buffer is a few KiB; a buffer sized by the count would be ~100 MB.
  EXPECT_LT(forEmpty, std::size_t{64 * 1024});

  const std::string keys(300000, 'k');
  const std::size_t forKeys =
      LargestRequestWhileReading(dir.Write("long.vts", "99999999" + keys), file);
  EXPECT_EQ(file.keys, keys);
  EXPECT_GE(forKeys, keys.size());  // the meter does see the reader's allocations
  EXPECT_LT(forKeys, 4 * keys.size());
}

}  // namespace
