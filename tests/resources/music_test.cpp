// The background track and the test tones that the music generator makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/resources/wav_track.h"
#include "tests/support/temp_dir.h"

namespace {

double Rms(const std::vector<int>& samples, std::size_t from, std::size_t count) {
  double sum = 0;
  for (std::size_t i = from; i < from + count; ++i)
    sum += static_cast<double>(samples[i]) * samples[i];
  return std::sqrt(sum / static_cast<double>(count));
}

// Runs the generator; its exit status.
int MakeMusic(const std::string& arguments) {
  return std::system(("\"" QUELLABOX_TEST_MAKE_MUSIC "\" " + arguments).c_str());
}

// Each test writes into a folder of its own: ctest runs them side by side.
class ToneTrack : public ::testing::Test {
 protected:
  TempDir dir_;
  const std::string path_ = dir_.Path() + "tone.wav";
};

TEST(BackgroundMusic, IsAShortWellFormedTrack) {
  const WavTrack track = ReadWavTrack(QUELLABOX_TEST_MUSIC_FILE);
  EXPECT_TRUE(track.sampleRate == 22050 || track.sampleRate == 44100) << track.sampleRate;
  EXPECT_TRUE(track.channels == 1 || track.channels == 2) << track.channels;
  EXPECT_GE(track.Seconds(), 8.0);
  EXPECT_LE(track.Seconds(), 16.0);
  EXPECT_LT(std::filesystem::file_size(QUELLABOX_TEST_MUSIC_FILE), 2'000'000u);
}

TEST(BackgroundMusic, LoopsWithoutAClick) {
  ExpectSeamlessLoop(ReadWavTrack(QUELLABOX_TEST_MUSIC_FILE).samples);
}

TEST(BackgroundMusic, SoundsThroughoutWithoutClipping) {
  const WavTrack track = ReadWavTrack(QUELLABOX_TEST_MUSIC_FILE);
  ASSERT_GT(track.sampleRate, 0);
  const auto second = static_cast<std::size_t>(track.sampleRate);
  ASSERT_GE(track.samples.size(), second);
  for (std::size_t from = 0; from + second <= track.samples.size(); from += second) {
    EXPECT_GT(Rms(track.samples, from, second), 0.03 * 32767)
        << "quiet second at " << from / second;
  }
  const auto [low, high] = std::minmax_element(track.samples.begin(), track.samples.end());
  EXPECT_GT(*low, -32767);
  EXPECT_LT(*high, 32767);
}

TEST_F(ToneTrack, WholePeriodsFillTheAskedLength) {
  struct Case {
    const char* arguments;
    double seconds;
    int periods;
  };
  // 1000.4 Hz over 0.5 s is not a whole number of periods: it is nudged to 500 of them.
  for (const Case& c : {Case{"--tone 440 --seconds 1", 1.0, 440}, Case{"--tone 440", 1.0, 440},
                        Case{"--seconds 0.5 --tone 1000.4", 0.5, 500}}) {
    SCOPED_TRACE(c.arguments);
    ASSERT_EQ(MakeMusic("\"" + path_ + "\" " + c.arguments), 0);
    const WavTrack track = ReadWavTrack(path_);
    ASSERT_GT(track.sampleRate, 0);
    EXPECT_EQ(track.samples.size(),
              static_cast<std::size_t>(std::lround(c.seconds * track.sampleRate)));
    // Upward zero crossings, counting the one across the loop point.
    int crossings = 0;
    for (std::size_t i = 0; i < track.samples.size(); ++i) {
      const int before = i == 0 ? track.samples.back() : track.samples[i - 1];
      crossings += before < 0 && track.samples[i] >= 0;
    }
    EXPECT_EQ(crossings, c.periods);
    ExpectSeamlessLoop(track.samples);
    EXPECT_GT(Rms(track.samples, 0, track.samples.size()), 0.3 * 32767);
  }
}

TEST_F(ToneTrack, MalformedOptionsWriteNothing) {
  for (const char* arguments : {"--tone", "--tone abc", "--tone -5", "--tone 440 --seconds 0",
                                "--tone 440 --colour red", "--seconds 2"}) {
    SCOPED_TRACE(arguments);
    EXPECT_NE(MakeMusic("\"" + path_ + "\" " + arguments), 0);
    EXPECT_FALSE(std::filesystem::exists(path_));
  }
}

}  // namespace
