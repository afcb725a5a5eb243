#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "seam/dialog.h"

class ScriptedHost;

// A dialog's window under the scripted host: its controls as plain state, driven by a
// test as a player drives the real window.
class ScriptedWindow : public DialogWindow {
 public:
  struct Control {
    std::string text;
    int check = 0;
    bool enabled = true, visible = true;
  };
  ScriptedWindow(ScriptedHost& host, CDialog& dialog) : m_host(host), m_dialog(dialog) {}

  // What a player does; each acts only where the real window lets it.
  void Click(int id);  // a push button, or a check box, which it also ticks or clears
  void Focus(int id);  // clicks into a control
  void Type(int id, const std::string& text);
  void PressEscape();
  void CloseBox();

  const std::string& Text(int id) const { return controls[id].text; }
  int TimerPeriod(unsigned id) const;  // 0 when the timer does not run
  mutable std::map<int, Control> controls;
  bool ended = false;
  int endCode = 0;

  std::string ItemText(int id) const override { return controls[id].text; }
  void SetItemText(int id, const std::string& text) override { controls[id].text = text; }
  int ItemCheck(int id) const override { return controls[id].check; }
  void SetItemCheck(int id, int state) override { controls[id].check = state; }
  void EnableItem(int id, bool enable) override { controls[id].enabled = enable; }
  void ShowItem(int id, bool show) override { controls[id].visible = show; }
  void SetItemFont(int, const FontSpec&) override {}
  void SetTimer(unsigned id, int periodMs) override;
  void KillTimer(unsigned id) override;
  void EndDialog(int code) override;
  void AppendSystemMenu(unsigned, const std::string&) override {}
  void SetIcon(int) override {}

 private:
  friend class ScriptedHost;
  bool TakesInput(int id) const { return !ended && controls[id].enabled && controls[id].visible; }

  ScriptedHost& m_host;
  CDialog& m_dialog;
  int m_focus = 0;
};

// The host for tests: a virtual clock, scripted answers for every modal run, and a record
// of everything that would leave the process.
class ScriptedHost : public Host {
 public:
  using ModalScript = std::function<void(ScriptedWindow&)>;
  using BoxScript = std::function<int(const std::string& text)>;

  // Virtual time: due ticks fire in time order.
  void Advance(int ms);
  // A dialog's script plays inside its modal run; with none queued it ends with kCancel.
  void OnModal(int templateId, ModalScript script) { m_modal[templateId].push_back(script); }
  // Answers for message boxes in order; with none queued a box answers kOk.
  void AnswerBox(BoxScript script) { m_boxes.push_back(script); }
  void AnswerBox(int answer) {
    AnswerBox([answer](const std::string&) { return answer; });
  }
  void AnswerFileDialog(std::optional<std::string> path) { m_files.push_back(path); }
  // Makes the dialog's window and runs OnInitDialog; the test plays on the window.
  ScriptedWindow& Open(CDialog& dialog);

  std::vector<std::string> boxes;  // the texts of the message boxes, in order
  std::vector<std::string> opened, started;
  std::vector<std::string> sounds;  // the paths played, "stop" for a stop
  std::string executablePath = "/opt/quellabox/Quellabox";
  std::int64_t calendarEpoch = 1700000000;  // calendar time = epoch + virtual seconds
  bool failSaves = false;

  int RunModal(CDialog& dialog) override;
  int ShowMessageBox(const std::string& text, MessageButtons buttons) override;
  std::optional<std::string> ChooseFileToOpen(const OpenFileRequest& request) override;
  void ShellOpen(const std::string& target) override { opened.push_back(target); }
  void StartProgram(const std::string& path) override { started.push_back(path); }
  void PlayLooping(const std::string& path) override { sounds.push_back(path); }
  void StopSound() override { sounds.push_back("stop"); }
  std::int64_t CalendarTime() override { return calendarEpoch + m_now / 1000; }
  std::string ExecutablePath() override { return executablePath; }
  std::string LoadText(int) override { return "About"; }
  std::string DataDirectory(const std::string& beside) override { return beside; }
  bool SaveFileAtomically(const std::string& path, const std::string& bytes) override;

 private:
  friend class ScriptedWindow;
  struct Timer {
    ScriptedWindow* window;
    unsigned id;
    int period;
    std::int64_t due;
  };
  void RemoveTimers(const std::function<bool(const Timer&)>& which);

  std::int64_t m_now = 0;
  std::vector<Timer> m_timers;
  std::map<int, std::deque<ModalScript>> m_modal;
  std::deque<BoxScript> m_boxes;
  std::deque<std::optional<std::string>> m_files;
  std::vector<std::unique_ptr<ScriptedWindow>> m_windows;
};
