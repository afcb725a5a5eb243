// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "qt/qt_sound_player.h"
#include "seam/host.h"

class QWidget;

// The host the program runs on: Qt widgets, Qt's event loop, the desktop's services.
class QtHost : public Host {
 public:
  QtHost();

  int RunModal(int templateId, DialogEvents& dialog) override;
  int ShowMessageBox(const std::string& caption, const std::string& text,
                     MessageButtons buttons) override;
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override;
  void ShellOpen(const std::string& target) override;
  void StartProgram(const std::string& path) override;
  void PlayLooping(const std::string& path) override;
  void StopSound() override;
  std::string ExecutablePath() override;
  std::int64_t CalendarTime() override;
  std::string LoadText(int id) override;
  bool MayWriteIn(const std::string& folder) override;
  bool IsInstalledCopy(const std::string& programFolder) override;
  std::string UserDataFolder() override;
  std::string SampleFolder() override;
  SaveResult SaveFileAtomically(const std::string& path, const std::string& expected,
                                const std::string& bytes) override;

 private:
  // The window of the newest running loop, which owns what opens now.
  QWidget* Owner() const;

  QtSoundPlayer m_sound;
};

// Maps the faces the templates name to the installed fonts that stand in for them.
void SubstituteTemplateFonts();
