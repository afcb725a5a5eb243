// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the game's background music as a looping .wav.
//   make_music OUT.wav
#include <cstdio>

#include "generators/background_tune.h"
#include "generators/byte_file.h"
#include "generators/wav_file.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_music OUT.wav\n");
    return 2;
  }
  constexpr int kSampleRate = 22050;
  return WriteByteFile(argv[1], WavFile(ComposeBackgroundTune(kSampleRate), kSampleRate)) ? 0 : 1;
}
