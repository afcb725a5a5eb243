// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "generators/wav_file.h"

#include <algorithm>
#include <cmath>

#include "generators/le_bytes.h"

std::vector<std::uint8_t> WavFile(const std::vector<float>& samples, int sampleRate) {
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * kBytesPerSample;

  std::vector<std::uint8_t> out;
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLe32(out, 36 + dataBytes);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLe32(out, 16);  // size of the format chunk
  PutLe16(out, 1);   // PCM
  PutLe16(out, 1);   // mono
  PutLe32(out, static_cast<std::uint32_t>(sampleRate));
  PutLe32(out, static_cast<std::uint32_t>(sampleRate) * kBytesPerSample);
  PutLe16(out, kBytesPerSample);  // block align
  PutLe16(out, 16);               // bits per sample
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLe32(out, dataBytes);
  for (float sample : samples) {
    const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
    PutLe16(out, static_cast<std::uint32_t>(value) & 0xFFFF);
  }
  return out;
}
