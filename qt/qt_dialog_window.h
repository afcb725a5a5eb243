// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QMap>

#include "res/dialog_template.h"
#include "res/dialog_units.h"
#include "seam/dialog_events.h"
#include "seam/dialog_window.h"

class ModalRunner;

class QMenu;
class QTimer;

// A dialog's window made of Qt widgets from its template. Every control's objectName is
// its id in decimal, so tests and accessibility tools find it.
class QtDialogWindow : public QDialog, public DialogWindow {
  Q_OBJECT

 public:
  QtDialogWindow(DialogEvents& dialog, const DialogTemplate& tpl, QWidget* owner);
  ~QtDialogWindow() override;

  // Runs the dialog: OnInitDialog, then the modal loop unless it ended already.
  int Run(ModalRunner& runner);

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

  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Item(int id) const;
  QWidget* MakeControl(const ControlTemplate& control);
  void ShowSystemMenu(const QPoint& at);
  int RunAsOwnWindow();

  DialogEvents& m_dialog;
  DialogTemplate m_template;
  QMap<int, QWidget*> m_items;
  QMap<unsigned, QTimer*> m_timers;
  QMenu* m_systemMenu;
  DialogUnits m_units{0, 0};
  bool m_running = false;
  bool m_endRequested = false;
  int m_endCode = 0;
};
