// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/background_music.h"

#include "seam/host.h"

void PlayBackgroundMusic(SoundOutput& sound, const std::string& exeDir) {
  sound.PlayLooping(exeDir + "BackgroundMusic.wav");
}
