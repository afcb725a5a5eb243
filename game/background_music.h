// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

class SoundOutput;

// Starts BackgroundMusic.wav in the program's folder from its beginning, looping, and
// returns at once; a track that plays already is replaced.
void PlayBackgroundMusic(SoundOutput& sound, const std::string& exeDir);
