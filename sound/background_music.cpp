#include "sound/background_music.h"

#include "ui/host.h"

void PlayBackgroundMusic() {
  CurrentHost().PlaySoundLooping(ExeDirectory() + "BackgroundMusic.wav");
}
