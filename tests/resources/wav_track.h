#pragma once

#include <string>
#include <vector>

// A 16-bit PCM .wav file, read through its chunks. Reading checks, as test expectations,
// that the RIFF sizes agree with the file and that the format chunk describes the data.
struct WavTrack {
  int sampleRate = 0;
  int channels = 0;
  std::vector<int> samples;  // the first channel

  double Seconds() const { return sampleRate ? static_cast<double>(samples.size()) / sampleRate : 0; }
};

WavTrack ReadWavTrack(const std::string& path);

// Fails the test if joining the last sample to the first makes a jump, or a bend, larger
// than any between neighbouring samples inside the track: played in a loop, that is a click.
void ExpectSeamlessLoop(const std::vector<int>& samples);
