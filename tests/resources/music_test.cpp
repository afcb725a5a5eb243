// The background track and the test tones that the music generator makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/resources/resource_bytes.h"
#include "tests/support/temp_dir.h"

namespace {

struct Track {
  int rate = 0;
  std::vector<int> samples;  // the first channel
};

// Checks the header the generator writes, a RIFF/WAVE file with one 16-bit PCM format chunk
// and one data chunk whose sizes match the file, and gives the samples.
Track ReadTrack(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  Track track;
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8) << "RIFF size";
  EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(Le(bytes, 16, 4), 16u) << "format size";
  EXPECT_EQ(Le(bytes, 20, 2), 1u) << "PCM";
  const std::uint32_t channels = Le(bytes, 22, 2);
  track.rate = static_cast<int>(Le(bytes, 24, 4));
  EXPECT_EQ(Le(bytes, 28, 4), 2 * channels * Le(bytes, 24, 4)) << "byte rate";
  EXPECT_EQ(Le(bytes, 32, 2), 2 * channels) << "block align";
  EXPECT_EQ(Le(bytes, 34, 2), 16u) << "bits per sample";
  EXPECT_EQ(bytes.substr(36, 4), "data");
  EXPECT_EQ(Le(bytes, 40, 4), bytes.size() - 44) << "data size";
  if (channels != 1 && channels != 2) return track;
  for (std::size_t at = 44; at + 2 * channels <= bytes.size(); at += 2 * channels) {
    track.samples.push_back(static_cast<std::int16_t>(Le(bytes, at, 2)));
  }
  return track;
}

double Rms(const std::vector<int>& samples, std::size_t from, std::size_t count) {
  double sum = 0;
  for (std::size_t i = from; i < from + count; ++i) sum += double(samples[i]) * samples[i];
  return std::sqrt(sum / double(count));
}

// Played in a loop, joining the last sample to the first must make no jump, nor bend,
// larger than any between neighbours inside the track: that would be a click.
void ExpectSeamlessLoop(const std::vector<int>& s) {
  const std::size_t n = s.size();
  ASSERT_GE(n, 3u);
  int jump = std::abs(s[n - 1] - s[n - 2]), bend = 0;
  for (std::size_t i = 1; i + 1 < n; ++i) {
    jump = std::max(jump, std::abs(s[i] - s[i - 1]));
    bend = std::max(bend, std::abs(s[i + 1] - 2 * s[i] + s[i - 1]));
  }
  EXPECT_LE(std::abs(s[0] - s[n - 1]), jump) << "jump from the last sample to the first";
  EXPECT_LE(std::abs(s[0] - 2 * s[n - 1] + s[n - 2]), bend) << "bend at the last sample";
  EXPECT_LE(std::abs(s[1] - 2 * s[0] + s[n - 1]), bend) << "bend at the first sample";
}

TEST(BackgroundMusic, IsAShortTrackThatLoopsSeamlesslyAndSoundsThroughout) {
  const Track track = ReadTrack(QUELLABOX_TEST_MUSIC_FILE);
  ASSERT_TRUE(track.rate == 22050 || track.rate == 44100) << track.rate;
  const auto second = static_cast<std::size_t>(track.rate);
  EXPECT_GE(track.samples.size(), 8 * second);
  EXPECT_LE(track.samples.size(), 16 * second);
  EXPECT_LT(std::filesystem::file_size(QUELLABOX_TEST_MUSIC_FILE), 2'000'000u);
  ExpectSeamlessLoop(track.samples);
  for (std::size_t from = 0; from + second <= track.samples.size(); from += second) {
    EXPECT_GT(Rms(track.samples, from, second), 0.03 * 32767) << "quiet second " << from / second;
  }
  const auto [low, high] = std::minmax_element(track.samples.begin(), track.samples.end());
  EXPECT_GT(*low, -32767) << "clipped";
  EXPECT_LT(*high, 32767) << "clipped";
}

// Runs the generator into a folder of the test's own (ctest runs tests side by side).
class ToneTrack : public ::testing::Test {
 protected:
  int MakeMusic(const std::string& arguments) {
    return std::system(("\"" QUELLABOX_TEST_MAKE_MUSIC "\" \"" + path + "\" " + arguments).c_str());
  }
  TempDir dir;
  const std::string path = dir.Path() + "tone.wav";
};

TEST_F(ToneTrack, WholePeriodsFillTheAskedLength) {
  struct Case {
    const char* arguments;
    double seconds;
    int periods;
  };
  // 1000.4 Hz over 0.5 s is not a whole number of periods: it is nudged to 500 of them.
  for (const Case& c :
       {Case{"--tone 440", 1.0, 440}, Case{"--seconds 0.5 --tone 1000.4", 0.5, 500}}) {
    SCOPED_TRACE(c.arguments);
    ASSERT_EQ(MakeMusic(c.arguments), 0);
    const Track track = ReadTrack(path);
    EXPECT_EQ(track.samples.size(), static_cast<std::size_t>(std::lround(c.seconds * track.rate)));
    // Upward zero crossings, counting the one across the loop point.
    int crossings = 0;
    for (std::size_t i = 0; i < track.samples.size(); ++i) {
      crossings += (i ? track.samples[i - 1] : track.samples.back()) < 0 && track.samples[i] >= 0;
    }
    EXPECT_EQ(crossings, c.periods);
    ExpectSeamlessLoop(track.samples);
    EXPECT_GT(Rms(track.samples, 0, track.samples.size()), 0.3 * 32767);
  }
}

TEST_F(ToneTrack, MalformedOptionsWriteNothing) {
  for (const char* arguments : {"--tone", "--tone abc", "--tone -5", "--tone 440 --seconds 0",
                                "--tone 440 --colour red", "--seconds 2"}) {
    EXPECT_NE(MakeMusic(arguments), 0) << arguments;
    EXPECT_FALSE(std::filesystem::exists(path)) << arguments;
  }
}

}  // namespace
