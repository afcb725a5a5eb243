#include "tests/support/scripted_host.h"

#include <algorithm>
#include <stdexcept>

#include "ui/dialog.h"
#include "ui/resources.h"

namespace {

bool IsButton(const ControlTemplate& tpl) {
  return tpl.kind == ControlKind::PushButton || tpl.kind == ControlKind::CheckBox;
}

}  // namespace

ScriptedWindow::ScriptedWindow(ScriptedHost& host, CDialog& dialog, const DialogTemplate& tpl)
    : m_host(host), m_dialog(dialog), m_template(tpl) {
  for (const ControlTemplate& control : tpl.controls) {
    Control state;
    state.tpl = control;
    state.text = control.caption;
    state.enabled = !control.Has("disabled");
    m_controls.push_back(state);
  }
  m_systemMenu.push_back({MF_STRING, SC_CLOSE, "Close"});
}

ScriptedWindow::Control* ScriptedWindow::Find(int id) {
  for (Control& control : m_controls) {
    if (control.tpl.id == id && id != -1) return &control;
  }
  return nullptr;
}

const ScriptedWindow::Control& ScriptedWindow::Item(int id) const {
  for (const Control& control : m_controls) {
    if (control.tpl.id == id) return control;
  }
  throw std::out_of_range("no control " + std::to_string(id));
}

bool ScriptedWindow::CanTakeInput(int id) const {
  if (m_ended) return false;
  const Control& control = Item(id);
  return control.enabled && control.visible;
}

void ScriptedWindow::SetFocusTo(int id) {
  if (m_focus == id) return;
  m_focus = id;
  if (Item(id).tpl.kind == ControlKind::Edit) m_dialog.OnNotify(Notification::SetFocus, id);
}

void ScriptedWindow::Click(int id) {
  if (!CanTakeInput(id)) return;
  Control& control = *Find(id);
  if (!IsButton(control.tpl)) return Focus(id);
  SetFocusTo(id);
  if (control.tpl.kind == ControlKind::CheckBox) control.check = control.check ? 0 : 1;
  m_dialog.OnCommand(id);
}

void ScriptedWindow::Focus(int id) {
  if (CanTakeInput(id)) SetFocusTo(id);
}

void ScriptedWindow::Type(int id, const std::string& text) {
  if (!CanTakeInput(id)) return;
  SetFocusTo(id);
  // Focusing may have ended the dialog or rewritten the box; type into what is there now.
  if (CanTakeInput(id)) Find(id)->text += text;
}

void ScriptedWindow::PressEnter() {
  if (m_ended) return;
  const Control* focused = m_focus ? Find(m_focus) : nullptr;
  if (focused && focused->tpl.kind == ControlKind::PushButton) {
    m_dialog.OnCommand(m_focus);
  } else {
    m_dialog.OnCommand(IDOK);
  }
}

void ScriptedWindow::PressEscape() {
  if (!m_ended) m_dialog.OnCommand(IDCANCEL);
}

void ScriptedWindow::CloseBox() { ChooseSystemMenu(SC_CLOSE); }

void ScriptedWindow::ChooseSystemMenu(unsigned id) {
  if (!m_ended) m_dialog.OnSysCommand(id, 0);
}

void ScriptedWindow::Tab() {
  const auto start = std::find_if(m_controls.begin(), m_controls.end(),
                                  [this](const Control& c) { return c.tpl.id == m_focus; });
  const std::size_t from = start == m_controls.end() ? 0 : std::size_t(start - m_controls.begin());
  for (std::size_t step = 1; step <= m_controls.size(); ++step) {
    const Control& next = m_controls[(from + step) % m_controls.size()];
    if (next.tpl.Has("tabstop") && next.enabled && next.visible) return SetFocusTo(next.tpl.id);
  }
}

bool ScriptedWindow::TimerRunning(unsigned id) const { return m_host.FindTimer(this, id); }

int ScriptedWindow::TimerPeriod(unsigned id) const {
  const ScriptedHost::Timer* timer = m_host.FindTimer(this, id);
  return timer ? timer->period : 0;
}

std::string ScriptedWindow::ItemText(int id) const {
  for (const Control& control : m_controls) {
    if (control.tpl.id == id) return control.text;
  }
  return {};
}

void ScriptedWindow::SetItemText(int id, const std::string& text) {
  if (Control* control = Find(id)) control->text = text;
}

int ScriptedWindow::ItemCheck(int id) const {
  for (const Control& control : m_controls) {
    if (control.tpl.id == id) return control.check;
  }
  return 0;
}

void ScriptedWindow::SetItemCheck(int id, int state) {
  if (Control* control = Find(id)) control->check = state ? 1 : 0;
}

void ScriptedWindow::EnableItem(int id, bool enable) {
  if (Control* control = Find(id)) control->enabled = enable;
}

void ScriptedWindow::ShowItem(int id, bool show) {
  if (Control* control = Find(id)) control->visible = show;
}

void ScriptedWindow::SetItemFont(int id, const FontSpec* font) {
  if (Control* control = Find(id)) {
    control->font = font ? std::optional<FontSpec>(*font) : std::nullopt;
  }
}

void ScriptedWindow::SetTimer(unsigned id, int periodMs) {
  if (!m_ended) m_host.ScheduleTimer(this, id, periodMs);
}

void ScriptedWindow::KillTimer(unsigned id) { m_host.RemoveTimer(this, id); }

void ScriptedWindow::EndDialog(int code) {
  if (m_ended) return;
  m_ended = true;
  m_endCode = code;
  m_host.Close(this);
}

void ScriptedWindow::AppendSystemMenu(unsigned flags, unsigned commandId, const std::string& text) {
  m_systemMenu.push_back({flags, commandId, text});
}

void ScriptedWindow::SetIcon(HICON icon, bool big) { (big ? m_bigIcon : m_smallIcon) = icon; }

// The sizes the real window has for the template: 2 pixels a unit across, 2.5 down.
int ScriptedWindow::ClientWidth() const { return m_template.width * 2; }

int ScriptedWindow::ClientHeight() const { return m_template.height * 5 / 2; }

void ScriptedWindow::DrawIcon(int x, int y, HICON icon) { m_drawnIcons.push_back({x, y, icon}); }

void ScriptedWindow::PaintIconic() {
  m_iconic = true;
  m_dialog.OnPaint();
}

ScriptedHost::ScriptedHost() { SetCurrentHost(this); }

ScriptedHost::~ScriptedHost() { SetCurrentHost(nullptr); }

void ScriptedHost::ScheduleTimer(ScriptedWindow* window, unsigned id, int periodMs) {
  RemoveTimer(window, id);
  const int period = std::max(periodMs, kMinimumTimerPeriodMs);
  m_timers.push_back({window, id, period, m_now + period, m_timerOrder++});
}

void ScriptedHost::RemoveTimer(ScriptedWindow* window, unsigned id) {
  m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                [&](const Timer& t) { return t.window == window && t.id == id; }),
                 m_timers.end());
}

const ScriptedHost::Timer* ScriptedHost::FindTimer(const ScriptedWindow* window,
                                                   unsigned id) const {
  for (const Timer& timer : m_timers) {
    if (timer.window == window && timer.id == id) return &timer;
  }
  return nullptr;
}

void ScriptedHost::Close(ScriptedWindow* window) {
  m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                [&](const Timer& t) { return t.window == window; }),
                 m_timers.end());
}

void ScriptedHost::Advance(int ms) {
  const std::int64_t target = m_now + ms;
  for (;;) {
    auto due =
        std::min_element(m_timers.begin(), m_timers.end(), [](const Timer& a, const Timer& b) {
          return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
    if (due == m_timers.end() || due->due > target) break;
    m_now = due->due;
    due->due += due->period;
    due->order = m_timerOrder++;
    ScriptedWindow* window = due->window;
    const unsigned id = due->id;
    window->m_dialog.OnTimer(id);
  }
  // A script inside a tick may have let more time pass than this call asked for.
  m_now = std::max(m_now, target);
}

void ScriptedHost::OnModal(int templateId, ModalScript script) {
  m_modalScripts[templateId].push_back(std::move(script));
}

void ScriptedHost::AnswerMessageBox(MessageBoxScript script) {
  m_messageBoxScripts.push_back(std::move(script));
}

void ScriptedHost::AnswerMessageBox(int answer) {
  AnswerMessageBox([answer](const MessageBoxCall&) { return answer; });
}

void ScriptedHost::AnswerFileDialog(FileScript script) {
  m_fileScripts.push_back(std::move(script));
}

ScriptedWindow& ScriptedHost::Open(CDialog& dialog) {
  const std::optional<DialogTemplate> tpl = LoadDialogTemplate(dialog.TemplateId());
  if (!tpl) throw std::runtime_error("no template " + std::to_string(dialog.TemplateId()));
  modalRuns.push_back(dialog.TemplateId());
  m_windows.push_back(std::make_unique<ScriptedWindow>(*this, dialog, *tpl));
  ScriptedWindow& window = *m_windows.back();
  dialog.AttachWindow(&window);
  if (dialog.OnInitDialog() && !window.Ended()) {
    for (const ScriptedWindow::Control& control : window.m_controls) {
      if (control.tpl.Has("tabstop") && control.enabled && control.visible) {
        window.SetFocusTo(control.tpl.id);
        break;
      }
    }
  }
  return window;
}

int ScriptedHost::RunModal(CDialog& dialog) {
  ScriptedWindow& window = Open(dialog);
  auto& scripts = m_modalScripts[dialog.TemplateId()];
  if (!window.Ended() && !scripts.empty()) {
    ModalScript script = std::move(scripts.front());
    scripts.pop_front();
    script(window);
  }
  if (!window.Ended()) window.EndDialog(IDCANCEL);
  dialog.DetachWindow();
  return window.EndCode();
}

int ScriptedHost::MessageBox(const std::string& text, unsigned type) {
  messageBoxes.push_back({ApplicationTitle(), text, type});
  if (m_messageBoxScripts.empty()) return IDOK;
  MessageBoxScript script = std::move(m_messageBoxScripts.front());
  m_messageBoxScripts.pop_front();
  return script(messageBoxes.back());
}

std::optional<std::string> ScriptedHost::ChooseFileToOpen(const OpenFileRequest& request) {
  fileDialogs.push_back(request);
  if (m_fileScripts.empty()) return std::nullopt;
  FileScript script = std::move(m_fileScripts.front());
  m_fileScripts.pop_front();
  return script(request);
}

std::string ScriptedHost::LoadString(int id) {
  const auto it = strings.find(id);
  return it != strings.end() ? it->second : LoadResourceString(id);
}

HICON ScriptedHost::LoadIcon(int id) { return LoadResourceIcon(id); }

bool ScriptedHost::SaveFileAtomically(const std::string& path, const std::string& bytes) {
  return !failSaves && SaveFileReplacing(path, bytes);
}
