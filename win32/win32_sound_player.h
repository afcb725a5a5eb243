// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Plays one wave file at a time, looping, for the Windows host. The track is read into
// memory here and played from there: the sound system, given a file's name, narrows it to
// the code page on its way to the file, and a folder named in other letters stays silent.
class Win32SoundPlayer {
 public:
  Win32SoundPlayer() = default;
  ~Win32SoundPlayer();
  Win32SoundPlayer(const Win32SoundPlayer&) = delete;
  Win32SoundPlayer& operator=(const Win32SoundPlayer&) = delete;

  // Starts the file from its beginning and loops it until Stop; replaces what plays.
  // Returns at once; a missing or unplayable file leaves silence and no message.
  void PlayLooping(const std::wstring& path);
  void Stop();

 private:
  std::string m_track;  // the bytes that play; the sound system reads them while it plays
};
