// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "res/dialog_template.h"
#include "res/string_table.h"
#include "seam/dialog.h"
#include "seam/ids.h"

// The host for tests: a virtual clock, scripted modal runs, a record of all that would leave
// the process, and windows of the program's templates that fail a test on a missing control.
class ScriptedHost : public Host {
 public:
  class Window;
  using Script = std::function<void(Window&)>;

  // Virtual time: due ticks fire in time order, ties in the order the timers were set.
  void Advance(int ms) {
    const std::int64_t target = m_now + ms;
    for (;;) {
      auto due = std::min_element(m_timers.begin(), m_timers.end(),
                                  [](const Timer& a, const Timer& b) { return a.due < b.due; });
      if (due == m_timers.end() || due->due > target) break;
      m_now = due->due;
      due->due += due->period;
      std::rotate(due, due + 1, m_timers.end());
      m_timers.back().dialog->OnTimer(m_timers.back().id);
    }
    m_now = std::max(m_now, target);  // a script inside a tick may have let more time pass
  }
  // Makes the dialog's window and runs OnInitDialog; the test plays on the window.
  Window& Open(CDialog& dialog) { return Open(dialog.TemplateId(), dialog); }

  std::map<int, Script> modal;     // plays each dialog's modal run; it ends with kCancel after
  std::vector<std::string> boxes;  // the texts of the message boxes, in order
  std::function<int(const std::string& text)> answerBox;  // each box's answer; none: kOk
  // The owner of each modal run and box, by template ("129", "" for none); each box's caption.
  std::vector<std::string> owners, captions;
  std::vector<std::string> started;  // the programs started
  std::vector<std::string> sounds;   // the paths played, "stop" for a stop
  std::string executablePath = "/opt/quellabox/Quellabox";
  std::int64_t calendarEpoch = 1700000000;  // calendar time = epoch + virtual seconds
  // The folders the system tells of: the program's may be written, the player's own one.
  bool installedCopy = false, mayWriteBeside = true;
  std::string userDataFolder, sampleFolder;
  bool failSaves = false;
  std::function<void()> beforeSave;         // another copy of the game, writing meanwhile
  std::optional<std::string> fileToChoose;  // what the open-file dialog gives
  std::vector<std::string> chooserFolders;  // where each open-file dialog opened

  int RunModal(int templateId, DialogEvents& dialog) override;
  int ShowMessageBox(const std::string& caption, const std::string& text, MessageButtons) override {
    NoteOwner();
    captions.push_back(caption);
    boxes.push_back(text);
    return answerBox ? answerBox(text) : ids::kOk;
  }
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override {
    chooserFolders.push_back(request.initialFolder);
    return fileToChoose;
  }
  void ShellOpen(const std::string&) override {}
  void StartProgram(const std::string& path) override { started.push_back(path); }
  void PlayLooping(const std::string& path) override { sounds.push_back(path); }
  void StopSound() override { sounds.push_back("stop"); }
  std::int64_t CalendarTime() override { return calendarEpoch + m_now / 1000; }
  std::string ExecutablePath() override { return executablePath; }
  std::string LoadText(int id) override { return LoadResourceString(id); }
  bool MayWriteIn(const std::string&) override { return mayWriteBeside; }
  bool IsInstalledCopy(const std::string&) override { return installedCopy; }
  std::string UserDataFolder() override { return userDataFolder; }
  std::string SampleFolder() override { return sampleFolder; }
  SaveResult SaveFileAtomically(const std::string& path, const std::string& expected,
                                const std::string& bytes) override {
    if (beforeSave) std::exchange(beforeSave, nullptr)();
    if (!FileStillHolds(path, expected)) return SaveResult::Changed;
    const bool saved = !failSaves && std::ofstream(std::filesystem::u8path(path), std::ios::binary)
                                         .write(bytes.data(), std::streamsize(bytes.size()))
                                         .flush()
                                         .good();
    return saved ? SaveResult::Saved : SaveResult::Failed;
  }

 private:
  struct Timer {
    DialogEvents* dialog;
    unsigned id;
    int period;
    std::int64_t due;
  };
  Window& Open(int templateId, DialogEvents& dialog);
  void NoteOwner();
  void RemoveTimers(DialogEvents* dialog, std::optional<unsigned> id = std::nullopt) {
    m_timers.erase(
        std::remove_if(m_timers.begin(), m_timers.end(),
                       [&](const Timer& t) { return t.dialog == dialog && (!id || t.id == *id); }),
        m_timers.end());
  }

  std::int64_t m_now = 0;
  std::vector<Timer> m_timers;
  std::vector<std::unique_ptr<Window>> m_windows;
};

// A dialog's window under the scripted host: its template's controls as plain state, which a
// test drives as a player drives the real window, and only where that window lets it.
class ScriptedHost::Window : public DialogWindow {
 public:
  Window(ScriptedHost& host, int templateId, DialogEvents& dialog)
      : m_host(host), m_templateId(templateId), m_dialog(dialog) {
    const DialogTemplate* tpl = FindDialogTemplate(templateId);
    if (!tpl) ADD_FAILURE() << "the program has no dialog template " << templateId;
    for (const ControlTemplate& control : tpl ? tpl->controls : std::vector<ControlTemplate>{}) {
      if (control.id != -1) m_controls[control.id] = {control.caption, 0, !control.Has("disabled")};
    }
  }

  // A push button, or a check box, which it also ticks or clears.
  void Click(int id) {
    if (!TakesInput(id)) return;
    Focus(id);
    At(id).check ^= 1;
    m_dialog.OnCommand(id);
  }
  void Focus(int id) {
    if (!TakesInput(id) || std::exchange(m_focus, id) == id) return;
    m_dialog.OnNotify(Notification::SetFocus, id);
  }
  void Type(int id, const std::string& text) {
    Focus(id);
    if (TakesInput(id)) At(id).text += text;  // into the box as focusing left it
  }
  // A command of the window's own menu: "Close", or one the dialog added.
  void ChooseFromMenu(unsigned command) {
    if (!ended && (command == ids::kCloseCommand || systemMenu.count(command))) {
      m_dialog.OnSysCommand(command);
    }
  }
  int TimerPeriod(unsigned id) const {  // 0 when the timer does not run
    for (const Timer& timer : m_host.m_timers) {
      if (timer.dialog == &m_dialog && timer.id == id) return timer.period;
    }
    return 0;
  }

  bool ended = false;
  int endCode = 0;
  std::map<unsigned, std::string> systemMenu;  // what the dialog added

  std::string ItemText(int id) const override { return At(id).text; }
  void SetItemText(int id, const std::string& text) override { At(id).text = text; }
  int ItemCheck(int id) const override { return At(id).check; }
  void SetItemCheck(int id, int state) override { At(id).check = state; }
  void EnableItem(int id, bool enable) override { At(id).enabled = enable; }
  void ShowItem(int id, bool show) override { At(id).visible = show; }
  void SetItemFont(int id, const FontSpec&) override { At(id); }
  void SetTimer(unsigned id, int periodMs) override {
    KillTimer(id);
    if (!ended) m_host.m_timers.push_back({&m_dialog, id, periodMs, m_host.m_now + periodMs});
  }
  void KillTimer(unsigned id) override { m_host.RemoveTimers(&m_dialog, id); }
  void EndDialog(int code) override {
    if (std::exchange(ended, true)) return;
    endCode = code;
    m_host.RemoveTimers(&m_dialog);
    loop.reset();
  }
  void AppendSystemMenu(unsigned id, const std::string& text) override { systemMenu[id] = text; }
  void SetIcon(int) override {}
  int TemplateId() const { return m_templateId; }
  // The window's modal loop, from the end of its OnInitDialog until it ends.
  std::optional<ModalRunner::RunningLoop> loop;

 private:
  struct Control {
    std::string text;
    int check = 0;
    bool enabled = true, visible = true;
  };
  Control& At(int id) const {
    const auto found = m_controls.find(id);
    if (found != m_controls.end()) return found->second;
    ADD_FAILURE() << "template " << m_templateId << " has no control " << id;
    return m_missing = {};
  }
  bool TakesInput(int id) const { return !ended && At(id).enabled && At(id).visible; }

  ScriptedHost& m_host;
  int m_templateId;
  DialogEvents& m_dialog;
  mutable std::map<int, Control> m_controls;
  mutable Control m_missing;
  int m_focus = 0;
};

inline void ScriptedHost::NoteOwner() {
  const auto* owner = static_cast<const Window*>(OwnerOfNextRun());
  owners.push_back(owner ? std::to_string(owner->TemplateId()) : "");
}

inline ScriptedHost::Window& ScriptedHost::Open(int templateId, DialogEvents& dialog) {
  Window& window = *m_windows.emplace_back(std::make_unique<Window>(*this, templateId, dialog));
  dialog.AttachWindow(&window);
  dialog.OnInitDialog();
  if (!window.ended) window.loop.emplace(*this, window);
  return window;
}

inline int ScriptedHost::RunModal(int templateId, DialogEvents& dialog) {
  NoteOwner();
  Window& window = Open(templateId, dialog);
  if (!window.ended && modal.count(templateId)) modal[templateId](window);
  window.EndDialog(ids::kCancel);
  dialog.AttachWindow(nullptr);
  return window.endCode;
}

using ScriptedWindow = ScriptedHost::Window;
