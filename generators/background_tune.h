// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// The background track: four bars over C, A minor, F and G, played by a soft pad, a bass,
// a music box and a flute-like tune. The end runs on into the beginning without a seam,
// so the track can loop for as long as the game runs.
std::vector<float> ComposeBackgroundTune(int sampleRate);
