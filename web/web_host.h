// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam/host.h"
#include "web/message_loop.h"

class WebDialogWindow;

// The host the program runs on in a browser: windows of the page's elements, the page's
// timers, its message boxes and file chooser, Web Audio, and the browser's storage under
// an in-memory file system that holds the stored files and the chosen key files.
class WebHost : public Host {
 public:
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
  // The handle of the window that owns what opens now; 0 for none.
  int Owner() const;

  MessageLoop m_loop;
};
