// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generators/background_tune.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeatSeconds = 60.0 / 72.0;  // a calm walking pace
constexpr int kBeatsPerBar = 4;
constexpr float kPeak = 0.5f;  // background music: leave headroom, stay in the background

enum class Voice { kPad, kBass, kMusicBox, kFlute };

struct Bar {
  std::array<int, 4> chord;  // MIDI note numbers of the pad
  int root;                  // bass on beats 1 and 3
  int fifth;
};

// The tables below are sized by the compiler, so a row left out shortens the tune instead
// of adding a silent zero note.
constexpr Bar kBars[] = {
    {{55, 60, 64, 71}, 36, 43},  // C major seventh
    {{57, 60, 64, 67}, 45, 40},  // A minor seventh
    {{53, 57, 60, 64}, 41, 36},  // F major seventh
    {{55, 59, 62, 67}, 43, 38},  // G major, leading home to C
};

// Which chord tone the music box plays on each eighth of a bar, an octave above the pad.
constexpr int kArpeggio[] = {0, 1, 2, 3, 2, 1, 2, 3};

struct TuneNote {
  double beat;   // from the start of the loop
  double beats;  // held for
  int key;
};

constexpr TuneNote kTune[] = {
    {0, 1.5, 79}, {1.5, 0.5, 76}, {2, 1, 74},  {3, 1, 76},  {4, 2, 72},  {6, 1, 76},  {7, 1, 81},
    {8, 1.5, 81}, {9.5, 0.5, 79}, {10, 1, 77}, {11, 1, 76}, {12, 2, 74}, {14, 1, 71}, {15, 1, 74},
};

// Every note of the track lies between the bass's low C and the tune's high C.
constexpr int kLowestKey = 36;
constexpr int kHighestKey = 96;
constexpr bool Playable(int key) { return key >= kLowestKey && key <= kHighestKey; }
constexpr bool AllNotesPlayable() {
  for (const Bar& bar : kBars) {
    for (const int key : bar.chord) {
      if (!Playable(key) || !Playable(key + 12)) return false;  // pad, and the music box
    }
    if (!Playable(bar.root) || !Playable(bar.fifth)) return false;
  }
  for (const TuneNote& note : kTune) {
    if (!Playable(note.key) || note.beats <= 0) return false;
  }
  return true;
}
static_assert(AllNotesPlayable(), "a note of the background track lies outside its range");

double Frequency(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

double Sine(double frequency, double t) { return std::sin(2 * kPi * frequency * t); }

// From 0 to 1 over `length` seconds along half a cosine: no edge for the ear to click on.
double Rise(double t, double length) {
  if (t <= 0) return 0;
  if (t >= length) return 1;
  return 0.5 - 0.5 * std::cos(kPi * t / length);
}

// Seconds a voice goes on sounding after its note is let go; it ends at exactly zero.
double Release(Voice voice) {
  switch (voice) {
    case Voice::kPad:
      return 1.2;
    case Voice::kBass:
      return 0.15;
    case Voice::kMusicBox:
      return 1.2;
    case Voice::kFlute:
      return 0.25;
  }
  return 0;
}

// The voice `t` seconds into a note of `frequency` held for `held` seconds.
double VoiceAt(Voice voice, double frequency, double t, double held) {
  const double f = frequency;
  const double envelope = 1 - Rise(t - held, Release(voice));
  switch (voice) {
    case Voice::kPad:  // a slow swell; the slight detune makes it breathe
      return 0.035 * envelope * Rise(t, 0.8) *
             (Sine(f, t) + Sine(f * 1.003, t) + 0.3 * Sine(2 * f, t));
    case Voice::kBass:
      return 0.16 * envelope * Rise(t, 0.02) * std::exp(-t / 1.5) *
             (Sine(f, t) + 0.25 * Sine(2 * f, t));
    case Voice::kMusicBox:  // plucked: its overtones die before the tone does
      return 0.06 * envelope * Rise(t, 0.008) * std::exp(-t / 0.45) *
             (Sine(f, t) + 0.3 * std::exp(-t / 0.15) * Sine(2 * f, t));
    case Voice::kFlute: {  // vibrato grows in once the note has settled
      const double vibrato = 0.0008 * f * Rise(t - 0.2, 0.4) * std::sin(2 * kPi * 5 * t);
      return 0.11 * envelope * Rise(t, 0.08) *
             (std::sin(2 * kPi * f * t + vibrato) + 0.15 * Sine(2 * f, t));
    }
  }
  return 0;
}

// Adds the note into the loop; what sounds past the loop's end wraps to its beginning,
// which is what the next time round would hear, so the seam is continuous.
void AddNote(std::vector<float>& loop, int sampleRate, Voice voice, double beat, double beats,
             int key) {
  const double held = beats * kBeatSeconds;
  const long start = std::lround(beat * kBeatSeconds * sampleRate);
  const long length = std::lround((held + Release(voice)) * sampleRate);
  const double frequency = Frequency(key);
  for (long i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    loop[static_cast<std::size_t>(start + i) % loop.size()] +=
        static_cast<float>(VoiceAt(voice, frequency, t, held));
  }
}

}  // namespace

std::vector<float> ComposeBackgroundTune(int sampleRate) {
  const double seconds = std::size(kBars) * kBeatsPerBar * kBeatSeconds;
  std::vector<float> loop(static_cast<std::size_t>(std::lround(seconds * sampleRate)), 0.0f);

  for (std::size_t bar = 0; bar < std::size(kBars); ++bar) {
    const double first = static_cast<double>(bar * kBeatsPerBar);
    for (int key : kBars[bar].chord) AddNote(loop, sampleRate, Voice::kPad, first, 4, key);
    AddNote(loop, sampleRate, Voice::kBass, first, 2, kBars[bar].root);
    AddNote(loop, sampleRate, Voice::kBass, first + 2, 2, kBars[bar].fifth);
    for (std::size_t eighth = 0; eighth < std::size(kArpeggio); ++eighth) {
      AddNote(loop, sampleRate, Voice::kMusicBox, first + 0.5 * static_cast<double>(eighth), 0.5,
              kBars[bar].chord[kArpeggio[eighth]] + 12);
    }
  }
  for (const TuneNote& note : kTune) {
    AddNote(loop, sampleRate, Voice::kFlute, note.beat, note.beats, note.key);
  }

  float peak = 0;
  for (float sample : loop) peak = std::max(peak, std::abs(sample));
  for (float& sample : loop) sample *= kPeak / peak;
  return loop;
}
