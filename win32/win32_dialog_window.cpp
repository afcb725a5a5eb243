// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32/win32_dialog_window.h"

#include <algorithm>

#include "win32/in_memory_template.h"
#include "win32/wide_text.h"

namespace {

// The program's timer ids start at 0, which SetTimer does not take for a window's timer.
UINT_PTR WindowsTimerId(unsigned id) { return UINT_PTR{id} + 1; }

}  // namespace

Win32DialogWindow::Win32DialogWindow(DialogEvents& dialog, const DialogTemplate& tpl)
    : m_dialog(dialog), m_template(tpl) {}

int Win32DialogWindow::Run(ModalRunner& runner, HINSTANCE instance, HWND owner) {
  m_runner = &runner;
  const std::vector<WORD> memory = InMemoryTemplate(m_template);
  const INT_PTR code =
      DialogBoxIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(memory.data()), owner,
                              Procedure, reinterpret_cast<LPARAM>(this));
  m_loop.reset();
  return static_cast<int>(code);
}

INT_PTR CALLBACK Win32DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    reinterpret_cast<Win32DialogWindow*>(lParam)->m_hwnd = hwnd;
  }
  auto* window = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return window ? window->OnMessage(message, wParam) : FALSE;
}

INT_PTR Win32DialogWindow::OnMessage(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_INITDIALOG: {
      CentreOverOwner();
      m_dialog.AttachWindow(this);
      // TRUE lets the dialog manager give the first tab stop the focus. An EndDialog in
      // OnInitDialog ends the dialog before it is shown or takes input.
      const bool focusFirst = m_dialog.OnInitDialog();
      if (!m_ended) m_loop.emplace(*m_runner, *this);
      return focusFirst ? TRUE : FALSE;
    }
    case WM_COMMAND:
      // Clicks of buttons and check boxes, Enter (IDOK) and Esc or the close box (IDCANCEL).
      if (HIWORD(wParam) == BN_CLICKED) {
        m_dialog.OnCommand(LOWORD(wParam));
      } else if (HIWORD(wParam) == EN_SETFOCUS) {
        m_dialog.OnNotify(Notification::SetFocus, LOWORD(wParam));
      }
      return TRUE;
    case WM_CLOSE:
      // The close box, Alt+F4 and Close of the system menu are Esc's Cancel, whether or
      // not the template has an enabled button 2.
      m_dialog.OnCommand(IDCANCEL);
      return TRUE;
    case WM_TIMER:
      m_dialog.OnTimer(static_cast<unsigned>(wParam - 1));  // back to the program's own id
      return TRUE;
    case WM_SYSCOMMAND: {
      const unsigned command = static_cast<unsigned>(wParam & 0xFFF0);
      // The items the dialog added go to it; Move, Close and the rest to the system, whose
      // Close comes back as IDCANCEL.
      if (std::find(m_menuCommands.begin(), m_menuCommands.end(), command) ==
          m_menuCommands.end()) {
        return FALSE;
      }
      m_dialog.OnSysCommand(static_cast<unsigned>(wParam));
      return TRUE;
    }
    case WM_DPICHANGED:
      for (const auto& font : m_fontSpecs) ApplyFont(font.first);
      return FALSE;
    case WM_DESTROY:
      m_dialog.AttachWindow(nullptr);
      for (const auto& font : m_fonts) DeleteObject(font.second);
      m_fonts.clear();
      return FALSE;
    default:
      return FALSE;
  }
}

void Win32DialogWindow::CentreOverOwner() {
  // Over the window that owns it, or on the screen it opens on.
  RECT area;
  const HWND owner = GetWindow(m_hwnd, GW_OWNER);
  if (owner && IsWindowVisible(owner)) {
    GetWindowRect(owner, &area);
  } else {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    area = monitor.rcWork;
  }
  RECT own;
  GetWindowRect(m_hwnd, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  SetWindowPos(m_hwnd, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string Win32DialogWindow::ItemText(int id) const {
  const HWND item = Item(id);
  if (!item) return {};
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(item, text.data(), int(text.size()))));
  return Utf8(text);
}

void Win32DialogWindow::SetItemText(int id, const std::string& text) {
  SetDlgItemTextW(m_hwnd, id, Wide(text).c_str());
}

int Win32DialogWindow::ItemCheck(int id) const {
  return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED ? 1 : 0;
}

void Win32DialogWindow::SetItemCheck(int id, int state) {
  CheckDlgButton(m_hwnd, id, state != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void Win32DialogWindow::EnableItem(int id, bool enable) {
  if (const HWND item = Item(id)) EnableWindow(item, enable ? TRUE : FALSE);
}

void Win32DialogWindow::ShowItem(int id, bool show) {
  if (const HWND item = Item(id)) ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void Win32DialogWindow::SetItemFont(int id, const FontSpec& font) {
  if (!Item(id)) return;
  m_fontSpecs[id] = font;
  ApplyFont(id);
}

void Win32DialogWindow::ApplyFont(int id) {
  const FontSpec& spec = m_fontSpecs.at(id);
  // A cell height in pixels at 96 dots per inch, grown with the window's DPI.
  const int height = MulDiv(spec.height, static_cast<int>(GetDpiForWindow(m_hwnd)), 96);
  const HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 FF_SWISS | DEFAULT_PITCH, Wide(spec.face).c_str());
  SendDlgItemMessageW(m_hwnd, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  HFONT& held = m_fonts[id];
  if (held) DeleteObject(held);
  held = font;
}

void Win32DialogWindow::SetTimer(unsigned id, int periodMs) {
  // Setting a running id restarts it. No coalescing: every tick keeps the game's schedule.
  SetCoalescableTimer(m_hwnd, WindowsTimerId(id), static_cast<UINT>(periodMs), nullptr,
                      TIMERV_NO_COALESCING);
}

void Win32DialogWindow::KillTimer(unsigned id) { ::KillTimer(m_hwnd, WindowsTimerId(id)); }

void Win32DialogWindow::EndDialog(int code) {
  m_ended = true;
  ::EndDialog(m_hwnd, code);
}

void Win32DialogWindow::AppendSystemMenu(unsigned commandId, const std::string& text) {
  const HMENU menu = GetSystemMenu(m_hwnd, FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, commandId, Wide(text).c_str());
  m_menuCommands.push_back(commandId & 0xFFF0);
}

void Win32DialogWindow::SetIcon(int iconId) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_hwnd, GWLP_HINSTANCE));
  for (const auto& [which, width, height] :
       {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
    const HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                   GetSystemMetrics(width), GetSystemMetrics(height), LR_SHARED);
    SendMessageW(m_hwnd, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
}
