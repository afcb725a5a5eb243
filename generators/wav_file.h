// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// A complete 16-bit PCM mono .wav file. Samples run from -1 to 1; beyond that they clip.
std::vector<std::uint8_t> WavFile(const std::vector<float>& samples, int sampleRate);
