// Writes the background track, or with --tone a plain test tone, as a looping .wav.
//   make_music OUT.wav                           the game's background music
//   make_music OUT.wav --tone HZ [--seconds S]   a sine of S seconds (default 1); HZ is
//                                                nudged so whole periods fill the track
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/background_tune.h"
#include "tools/byte_file.h"
#include "tools/wav_file.h"

namespace {

constexpr int kSampleRate = 22050;

std::vector<float> ToneLoop(double hz, double seconds) {
  const long length = std::lround(seconds * kSampleRate);
  const double periods = std::max(1.0, std::round(hz * static_cast<double>(length) / kSampleRate));
  std::vector<float> tone(static_cast<std::size_t>(length));
  for (long i = 0; i < length; ++i) {
    const double phase = 2 * 3.14159265358979323846 * periods * static_cast<double>(i) / length;
    tone[static_cast<std::size_t>(i)] = static_cast<float>(0.5 * std::sin(phase));
  }
  return tone;
}

// A positive number, or 0 when the text is not one.
double PositiveNumber(const char* text) {
  char* end = nullptr;
  const double value = std::strtod(text, &end);
  return (end != text && *end == '\0' && value > 0 && std::isfinite(value)) ? value : 0;
}

int Usage() {
  std::fprintf(stderr, "usage: make_music OUT.wav [--tone HZ [--seconds S]]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  double hz = 0;
  double seconds = 1;
  bool secondsGiven = false;
  for (int i = 2; i < argc; i += 2) {
    const std::string option = argv[i];
    const double value = i + 1 < argc ? PositiveNumber(argv[i + 1]) : 0;
    if (value == 0) return Usage();
    if (option == "--tone") {
      hz = value;
    } else if (option == "--seconds") {
      seconds = value;
      secondsGiven = true;
    } else {
      return Usage();
    }
  }
  // The music's length is its own; only the test tone is made to measure.
  if (secondsGiven && hz == 0) return Usage();
  const std::vector<float> samples =
      hz > 0 ? ToneLoop(hz, seconds) : ComposeBackgroundTune(kSampleRate);
  if (samples.empty()) return Usage();
  return WriteByteFile(argv[1], WavFile(samples, kSampleRate)) ? 0 : 1;
}
