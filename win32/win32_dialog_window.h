// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <vector>

#include "res/dialog_template.h"
#include "seam/dialog_events.h"
#include "seam/dialog_window.h"
#include "seam/host.h"

// A dialog's window as the Windows dialog manager makes it from the dialog's template. The
// dialog manager keeps its modal loop: Tab, Enter and Esc, the system menu and the close
// box work as on every dialog of the system.
class Win32DialogWindow : public DialogWindow {
 public:
  Win32DialogWindow(DialogEvents& dialog, const DialogTemplate& tpl);
  Win32DialogWindow(const Win32DialogWindow&) = delete;
  Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

  // Runs the dialog over `owner` (none: a window of its own): OnInitDialog, then the modal
  // loop until EndDialog; the code EndDialog gave, or -1 when no window could be made.
  int Run(ModalRunner& runner, HINSTANCE instance, HWND owner);
  HWND Handle() const { return m_hwnd; }

  std::string ItemText(int id) const override;
  void SetItemText(int id, const std::string& text) override;
  int ItemCheck(int id) const override;
  void SetItemCheck(int id, int state) override;
  void EnableItem(int id, bool enable) override;
  void ShowItem(int id, bool show) override;
  void SetItemFont(int id, const FontSpec& font) override;
  void SetTimer(unsigned id, int periodMs) override;
  void KillTimer(unsigned id) override;
  void EndDialog(int code) override;
  void AppendSystemMenu(unsigned commandId, const std::string& text) override;
  void SetIcon(int iconId) override;

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam);
  HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
  void CentreOverOwner();
  void ApplyFont(int id);

  DialogEvents& m_dialog;
  const DialogTemplate& m_template;
  ModalRunner* m_runner = nullptr;
  std::optional<ModalRunner::RunningLoop> m_loop;  // from the end of OnInitDialog on
  bool m_ended = false;
  HWND m_hwnd = nullptr;
  std::map<int, FontSpec> m_fontSpecs;  // made again when the window's DPI changes
  std::map<int, HFONT> m_fonts;
  std::vector<unsigned> m_menuCommands;
};
