#include "tests/resources/wav_track.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "tests/resources/file_bytes.h"

WavTrack ReadWavTrack(const std::string& path) {
  const Bytes bytes = ReadFileBytes(path);
  WavTrack track;
  EXPECT_GE(bytes.size(), 12u) << path;
  if (bytes.size() < 12) return track;
  EXPECT_EQ(Tag(bytes, 0, 4), "RIFF");
  EXPECT_EQ(Le32(bytes, 4), bytes.size() - 8) << "RIFF size";
  EXPECT_EQ(Tag(bytes, 8, 4), "WAVE");

  bool formatSeen = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = Tag(bytes, at, 4);
    const std::size_t size = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    EXPECT_LE(body + size, bytes.size()) << "chunk " << id << " runs past the file";
    if (body + size > bytes.size()) return track;
    if (id == "fmt ") {
      formatSeen = true;
      EXPECT_GE(size, 16u);
      EXPECT_EQ(Le16(bytes, body), 1u) << "PCM";
      track.channels = static_cast<int>(Le16(bytes, body + 2));
      track.sampleRate = static_cast<int>(Le32(bytes, body + 4));
      const std::uint32_t blockAlign = Le16(bytes, body + 12);
      EXPECT_EQ(Le16(bytes, body + 14), 16u) << "bits per sample";
      EXPECT_EQ(blockAlign, 2u * track.channels);
      EXPECT_EQ(Le32(bytes, body + 8), blockAlign * track.sampleRate) << "byte rate";
    } else if (id == "data") {
      EXPECT_TRUE(formatSeen) << "data before its format";
      const std::size_t frame = 2u * static_cast<std::size_t>(std::max(track.channels, 1));
      EXPECT_EQ(size % frame, 0u) << "a partial frame";
      for (std::size_t i = body; i + frame <= body + size; i += frame) {
        track.samples.push_back(static_cast<std::int16_t>(Le16(bytes, i)));
      }
    }
    at = body + size + (size % 2);  // chunks are padded to even sizes
  }
  EXPECT_EQ(at, bytes.size()) << "bytes after the last chunk";
  return track;
}

void ExpectSeamlessLoop(const std::vector<int>& s) {
  const std::size_t n = s.size();
  ASSERT_GE(n, 3u);
  int largestJump = 0;
  int largestBend = 0;
  for (std::size_t i = 1; i + 1 < n; ++i) {
    largestJump = std::max(largestJump, std::abs(s[i] - s[i - 1]));
    largestBend = std::max(largestBend, std::abs(s[i + 1] - 2 * s[i] + s[i - 1]));
  }
  largestJump = std::max(largestJump, std::abs(s[n - 1] - s[n - 2]));
  EXPECT_LE(std::abs(s[0] - s[n - 1]), largestJump) << "jump from the last sample to the first";
  EXPECT_LE(std::abs(s[0] - 2 * s[n - 1] + s[n - 2]), largestBend) << "bend at the last sample";
  EXPECT_LE(std::abs(s[1] - 2 * s[0] + s[n - 1]), largestBend) << "bend at the first sample";
}
