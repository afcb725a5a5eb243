// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class DialogEvents;
class DialogWindow;

enum class MessageButtons { Ok, OkCancel };

struct OpenFileRequest {
  std::string defaultExtension;  // added to a typed name that has none
  std::string filter;            // "description|pattern|...||"
  bool mustExist = false;        // false: a typed name of a missing file is accepted
  std::string initialFolder;     // where the dialog opens; empty: where the system likes
};

// Modal runs. Each keeps delivering the ticks of every open window's timers.
class ModalRunner {
 public:
  virtual ~ModalRunner() = default;
  // Makes a window from the template, runs the dialog's OnInitDialog, then the modal loop
  // until EndDialog; returns EndDialog's code, or -1 when no window could be made.
  virtual int RunModal(int templateId, DialogEvents& dialog) = 0;
  // A message box with this caption; returns ids::kOk or ids::kCancel.
  virtual int ShowMessageBox(const std::string& caption, const std::string& text,
                             MessageButtons buttons) = 0;
  // The full path of the chosen file, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) = 0;

  // Held by a host while a window's modal loop runs: from the end of its OnInitDialog (a
  // window that ended there never runs) until the loop ends.
  class RunningLoop {
   public:
    RunningLoop(ModalRunner& runner, DialogWindow& window);
    ~RunningLoop();
    RunningLoop(const RunningLoop&) = delete;
    RunningLoop& operator=(const RunningLoop&) = delete;

   private:
    ModalRunner& m_runner;
    DialogWindow& m_window;
  };

 protected:
  // The window of the newest running loop, or null: it owns whatever opens next, so a box
  // stays over the window it speaks of and the start dialog, which opens before the game
  // window shows, has no owner.
  DialogWindow* OwnerOfNextRun() const { return m_loops.empty() ? nullptr : m_loops.back(); }

 private:
  std::vector<DialogWindow*> m_loops;
};

// What leaves the program for the desktop.
class Desktop {
 public:
  virtual ~Desktop() = default;
  virtual void ShellOpen(const std::string& target) = 0;   // a web address in the browser
  virtual void StartProgram(const std::string& path) = 0;  // no shell, no arguments
};

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void PlayLooping(const std::string& path) = 0;  // from the start; returns at once
  virtual void StopSound() = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t CalendarTime() = 0;  // seconds since the epoch
};

enum class SaveResult { Saved, Changed, Failed };

// The program's files, and what the system knows of folders. Folders end with a separator.
class ProgramFiles {
 public:
  virtual ~ProgramFiles() = default;
  virtual std::string ExecutablePath() = 0;  // UTF-8, any length
  virtual std::string LoadText(int id) = 0;  // the string table; empty when it has no such id
  // Whether this user may make files in the folder.
  virtual bool MayWriteIn(const std::string& folder) = 0;
  // Whether the program in this folder was installed, so that the folder is the system's,
  // not the player's.
  virtual bool IsInstalledCopy(const std::string& programFolder) = 0;
  // This user's own data folder for the program, made as far as the system lets; empty when
  // the system names none.
  virtual std::string UserDataFolder() = 0;
  // The folder of the sample key files that come with the program; empty when there is none.
  virtual std::string SampleFolder() = 0;
  // Replaces the file's bytes so that it holds either the old or the new bytes at every
  // instant, also across a crash. Nothing is written, and the answer is Changed, when the
  // file's first bytes are no longer `expected` (a missing or shorter file read as NUL bytes):
  // another copy of the program wrote it since it was read.
  virtual SaveResult SaveFileAtomically(const std::string& path, const std::string& expected,
                                        const std::string& bytes) = 0;
};

// Everything that waits, blocks, leaves the process or touches the desktop. Each platform has
// a host of its own; tests run the program on a scripted host with a virtual clock. A part
// that needs one service takes just that one.
class Host : public ModalRunner,
             public Desktop,
             public SoundOutput,
             public Clock,
             public ProgramFiles {};

// The folder of the path, ending with its separator; empty for a bare name.
std::string FolderOf(const std::string& path);
// The running executable's directory, ending with a separator.
std::string ExeDirectory(ProgramFiles& files);
// The application's title, which captions every message box: the executable's file name
// without directory and extension.
std::string ApplicationTitle(ProgramFiles& files);
// Whether the file's first bytes are `expected`, a missing or shorter file read as NUL bytes:
// what a host checks before it replaces a file another copy may have written.
bool FileStillHolds(const std::string& path, const std::string& expected);
