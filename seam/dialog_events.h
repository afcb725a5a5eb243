// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class DialogWindow;

// Events a control sends to its dialog.
enum class Notification { Clicked, SetFocus };

// What a window may call on the dialog it shows: all a host knows of a dialog.
class DialogEvents {
 public:
  // The window made from the dialog's template, before OnInitDialog; null once it is gone.
  virtual void AttachWindow(DialogWindow* window) = 0;
  // Fills the controls; true gives the first tab stop the focus.
  virtual bool OnInitDialog() = 0;
  // A click, or ids::kOk (Enter) and ids::kCancel (Esc, the close box).
  virtual void OnCommand(int id) = 0;
  virtual void OnNotify(Notification event, int id) = 0;
  virtual void OnTimer(unsigned id) = 0;
  // A command of the window's own menu.
  virtual void OnSysCommand(unsigned id) = 0;

 protected:
  ~DialogEvents() = default;
};
