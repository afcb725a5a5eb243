#include "game/background_music.h"

#include "seam/host.h"

void PlayBackgroundMusic(SoundOutput& sound, const std::string& exeDir) {
  sound.PlayLooping(exeDir + "BackgroundMusic.wav");
}
