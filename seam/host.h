// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>

class DialogEvents;

enum class MessageButtons { Ok, OkCancel };

struct OpenFileRequest {
  std::string defaultExtension;  // added to a typed name that has none
  std::string filter;            // "description|pattern|...||"
  bool mustExist = false;        // false: a typed name of a missing file is accepted
};

// Modal runs. Each keeps delivering the ticks of every open window's timers.
class ModalRunner {
 public:
  virtual ~ModalRunner() = default;
  // Makes a window from the template, runs the dialog's OnInitDialog, then the modal loop
  // until EndDialog; returns EndDialog's code, or -1 when no window could be made.
  virtual int RunModal(int templateId, DialogEvents& dialog) = 0;
  // A message box captioned with the application title, the executable's file name
  // without directory and extension; returns ids::kOk or ids::kCancel.
  virtual int ShowMessageBox(const std::string& text, MessageButtons buttons) = 0;
  // The full path of the chosen file, or nothing when cancelled.
  virtual std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) = 0;
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

class ProgramFiles {
 public:
  virtual ~ProgramFiles() = default;
  virtual std::string ExecutablePath() = 0;  // UTF-8, any length
  virtual std::string LoadText(int id) = 0;  // the string table; empty when it has no such id
  // Where the program keeps its data: `beside` (the executable's directory) when the player
  // can write there, else the user's own data directory for the program; ends with a separator.
  virtual std::string DataDirectory(const std::string& beside) = 0;
  // Replaces the file's contents so that it holds either the old or the new bytes at
  // every instant, also across a crash; false when it could not be written.
  virtual bool SaveFileAtomically(const std::string& path, const std::string& bytes) = 0;
};

// Everything that waits, blocks, leaves the process or touches the desktop. The program
// runs on the Qt host; tests run it on a scripted host with a virtual clock. A part that
// needs one service takes just that one.
class Host : public ModalRunner,
             public Desktop,
             public SoundOutput,
             public Clock,
             public ProgramFiles {};

// The running executable's directory, ending with a separator.
std::string ExeDirectory(ProgramFiles& files);
