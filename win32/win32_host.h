// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include "seam/host.h"

// The host the program runs on under Windows: the dialog manager, user32's timers and
// message boxes, the common Open dialog, the shell, winmm's PlaySound and kernel32's files.
class Win32Host : public Host {
 public:
  explicit Win32Host(HINSTANCE instance);
  ~Win32Host() override;
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  int RunModal(int templateId, DialogEvents& dialog) override;
  int ShowMessageBox(const std::string& caption, const std::string& text,
                     MessageButtons buttons) override;
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override;
  void ShellOpen(const std::string& target) override;
  void StartProgram(const std::string& path) override;
  void PlayLooping(const std::string& path) override;
  void StopSound() override;
  std::int64_t CalendarTime() override;
  std::string ExecutablePath() override;
  std::string LoadText(int id) override;
  bool MayWriteIn(const std::string& folder) override;
  bool IsInstalledCopy(const std::string& programFolder) override;
  std::string UserDataFolder() override;
  std::string SampleFolder() override;
  SaveResult SaveFileAtomically(const std::string& path, const std::string& expected,
                                const std::string& bytes) override;

 private:
  // The window of the newest running loop, which owns what opens now.
  HWND Owner() const;

  HINSTANCE m_instance;
};
