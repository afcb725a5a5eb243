// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "res/dialog_template.h"
#include "seam/dialog_events.h"
#include "seam/dialog_window.h"
#include "seam/host.h"
#include "web/message_loop.h"

// A dialog's window made of the page's elements from its template: every control carries
// its id as the element's data-id, so tests and tools find it. Its modal run takes the
// page's events until EndDialog, the browser running whenever it waits.
class WebDialogWindow : public DialogWindow, private MessageLoop::Target {
 public:
  // Over the window with the handle `owner` (0: none).
  WebDialogWindow(MessageLoop& loop, DialogEvents& dialog, const DialogTemplate& tpl, int owner);
  ~WebDialogWindow() override;
  WebDialogWindow(const WebDialogWindow&) = delete;
  WebDialogWindow& operator=(const WebDialogWindow&) = delete;

  // OnInitDialog, then the modal loop unless it ended already; EndDialog's code.
  int Run(ModalRunner& runner);
  int Handle() const { return m_handle; }

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
  void OnPageEvent(const PageEvent& event) override;
  bool Has(int id) const { return m_template.Control(id) != nullptr; }

  MessageLoop& m_loop;
  DialogEvents& m_dialog;
  const DialogTemplate& m_template;
  int m_handle;
  bool m_ended = false;
  int m_endCode = 0;
};
