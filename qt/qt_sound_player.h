// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

class QSoundEffect;

// Plays one wave file at a time, looping, for the Qt host.
class QtSoundPlayer {
 public:
  QtSoundPlayer();
  ~QtSoundPlayer();
  QtSoundPlayer(const QtSoundPlayer&) = delete;
  QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

  // Starts the file from its beginning and loops it until Stop; replaces what plays.
  // Returns at once; a missing or unplayable file leaves silence and no message.
  void PlayLooping(const std::string& utf8Path);
  void Stop();

 private:
  bool Loading() const;

  std::unique_ptr<QSoundEffect> m_effect;
};
