#include "tests/support/scripted_host.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "seam/ids.h"

void ScriptedWindow::Click(int id) {
  if (!TakesInput(id)) return;
  Focus(id);
  controls[id].check ^= 1;
  m_dialog.OnCommand(id);
}

void ScriptedWindow::Focus(int id) {
  if (!TakesInput(id) || m_focus == id) return;
  m_focus = id;
  m_dialog.OnNotify(Notification::SetFocus, id);
}

void ScriptedWindow::Type(int id, const std::string& text) {
  Focus(id);
  // Focusing may have rewritten the box; type into what is there now.
  if (TakesInput(id)) controls[id].text += text;
}

void ScriptedWindow::PressEscape() {
  if (!ended) m_dialog.OnCommand(ids::kCancel);
}

void ScriptedWindow::CloseBox() {
  if (!ended) m_dialog.OnSysCommand(ids::kCloseCommand);
}

int ScriptedWindow::TimerPeriod(unsigned id) const {
  for (const ScriptedHost::Timer& timer : m_host.m_timers) {
    if (timer.window == this && timer.id == id) return timer.period;
  }
  return 0;
}

void ScriptedWindow::SetTimer(unsigned id, int periodMs) {
  KillTimer(id);
  const int period = std::max(periodMs, kMinimumTimerPeriodMs);
  if (!ended) m_host.m_timers.push_back({this, id, period, m_host.m_now + period});
}

void ScriptedWindow::KillTimer(unsigned id) {
  m_host.RemoveTimers([&](const auto& t) { return t.window == this && t.id == id; });
}

void ScriptedWindow::EndDialog(int code) {
  if (ended) return;
  ended = true;
  endCode = code;
  m_host.RemoveTimers([&](const auto& t) { return t.window == this; });
}

void ScriptedHost::RemoveTimers(const std::function<bool(const Timer&)>& which) {
  m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(), which), m_timers.end());
}

void ScriptedHost::Advance(int ms) {
  const std::int64_t target = m_now + ms;
  for (;;) {
    // Ties fire in the order the timers were set, as they were asked for.
    auto due = std::min_element(m_timers.begin(), m_timers.end(),
                                [](const Timer& a, const Timer& b) { return a.due < b.due; });
    if (due == m_timers.end() || due->due > target) break;
    m_now = due->due;
    due->due += due->period;
    std::rotate(due, due + 1, m_timers.end());
    m_timers.back().window->m_dialog.OnTimer(m_timers.back().id);
  }
  // A script inside a tick may have let more time pass than this call asked for.
  m_now = std::max(m_now, target);
}

ScriptedWindow& ScriptedHost::Open(CDialog& dialog) {
  m_windows.push_back(std::make_unique<ScriptedWindow>(*this, dialog));
  ScriptedWindow& window = *m_windows.back();
  dialog.AttachWindow(&window);
  dialog.OnInitDialog();
  return window;
}

int ScriptedHost::RunModal(CDialog& dialog) {
  ScriptedWindow& window = Open(dialog);
  auto& scripts = m_modal[dialog.TemplateId()];
  if (!window.ended && !scripts.empty()) {
    ModalScript script = scripts.front();
    scripts.pop_front();
    script(window);
  }
  window.EndDialog(ids::kCancel);
  dialog.DetachWindow();
  return window.endCode;
}

int ScriptedHost::ShowMessageBox(const std::string& text, MessageButtons) {
  boxes.push_back(text);
  if (m_boxes.empty()) return ids::kOk;
  BoxScript script = m_boxes.front();
  m_boxes.pop_front();
  return script(text);
}

std::optional<std::string> ScriptedHost::ChooseFileToOpen(const OpenFileRequest&) {
  if (m_files.empty()) return std::nullopt;
  std::optional<std::string> path = m_files.front();
  m_files.pop_front();
  return path;
}

bool ScriptedHost::SaveFileAtomically(const std::string& path, const std::string& bytes) {
  if (failSaves) return false;
  std::ofstream file(std::filesystem::u8path(path), std::ios::binary);
  return file.write(bytes.data(), std::streamsize(bytes.size())).flush().good();
}
