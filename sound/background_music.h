#pragma once

// Starts BackgroundMusic.wav beside the executable from its beginning, looping, and
// returns at once; a track that plays already is replaced.
void PlayBackgroundMusic();
