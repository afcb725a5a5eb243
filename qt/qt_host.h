// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "qt/qt_sound_player.h"
#include "seam/host.h"

// The host the program runs on: Qt widgets, Qt's event loop, the desktop's services.
class QtHost : public Host {
 public:
  QtHost();

  int RunModal(int templateId, DialogEvents& dialog) override;
  int ShowMessageBox(const std::string& text, MessageButtons buttons) override;
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override;
  void ShellOpen(const std::string& target) override;
  void StartProgram(const std::string& path) override;
  void PlayLooping(const std::string& path) override;
  void StopSound() override;
  std::string ExecutablePath() override;
  std::int64_t CalendarTime() override;
  std::string LoadText(int id) override;
  std::string DataDirectory(const std::string& beside) override;
  bool SaveFileAtomically(const std::string& path, const std::string& bytes) override;

 private:
  QtSoundPlayer m_sound;
};

// Maps the faces the templates name to the installed fonts that stand in for them.
void SubstituteTemplateFonts();
