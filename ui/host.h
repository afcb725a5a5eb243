#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/win_types.h"

class CDialog;

struct OpenFileRequest {
  std::string defaultExtension;  // added to a typed name that has none
  std::string filter;            // "description|pattern|...||"
  unsigned flags = 0;            // 0: a typed name need not name an existing file
};

// Everything that waits, blocks, leaves the process or touches the desktop.
// The program runs on the Qt host; tests run it on a scripted host with a virtual clock.
class Host {
 public:
  virtual ~Host() = default;

  // Makes the dialog's window from its template, runs OnInitDialog, then the modal
  // loop until EndDialog; returns EndDialog's code, or -1 when no window could be made.
  // The loop keeps delivering the ticks of every open window's timers.
  virtual int RunModal(CDialog& dialog) = 0;
  // A modal message box captioned with the application title; returns IDOK or IDCANCEL.
  virtual int MessageBox(const std::string& text, unsigned type) = 0;
  // A modal open-file dialog; the full path, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) = 0;

  virtual void ShellOpen(const std::string& target) = 0;       // website in the browser
  virtual void StartProgram(const std::string& path) = 0;      // no shell, no arguments
  virtual void PlaySoundLooping(const std::string& path) = 0;  // returns at once
  virtual void StopSound() = 0;

  virtual std::string ExecutablePath() = 0;  // UTF-8, any length
  virtual std::int64_t CalendarTime() = 0;   // seconds since the epoch
  virtual std::string LoadString(int id) = 0;
  virtual HICON LoadIcon(int id) = 0;

  // Where the program keeps its data: `beside` (the executable's directory) when the player
  // can write there, else the user's own data directory for the program; ends with a separator.
  virtual std::string DataDirectory(const std::string& beside) = 0;

  // Replaces the file's contents so that it holds either the old or the new bytes at
  // every instant, also across a crash; false when it could not be written.
  virtual bool SaveFileAtomically(const std::string& path, const std::string& bytes) = 0;
};

Host& CurrentHost();
void SetCurrentHost(Host* host);

// The running executable's directory, ending with a separator.
std::string ExeDirectory();
// The executable's file name without directory and extension: every message box's caption.
std::string ApplicationTitle();
