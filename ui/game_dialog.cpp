// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/game_dialog.h"

#include "seam/ids.h"
#include "ui/about_dialog.h"
#include "ui/display_fonts.h"
#include "ui/help_dialog.h"
#include "ui/start_dialog.h"

bool CGameDialog::OnRoute(Notification event, int id) {
  static const Route<CGameDialog> kRoutes[] = {
      {Notification::Clicked, ids::kExit, &CGameDialog::OnExit},
      {Notification::Clicked, ids::kMusic, &CGameDialog::OnMusicToggle},
      {Notification::Clicked, ids::kHowToPlay, &CGameDialog::OnHowToPlay},
      {Notification::Clicked, ids::kRandomMode, &CGameDialog::OnRandomMode},
      {Notification::Clicked, ids::kFixedMode, &CGameDialog::OnFixedMode},
      {Notification::SetFocus, ids::kInput, &CGameDialog::OnInputSetFocus},
      {Notification::Clicked, ids::kReset, &CGameDialog::OnReset},
  };
  return Dispatch(this, kRoutes, event, id);
}

bool CGameDialog::OnInitDialog() {
  CDialog::OnInitDialog();

  const std::string about = GetHost().LoadText(ids::kAboutMenuText);
  if (!about.empty()) Window()->AppendSystemMenu(ids::kAboutCommand, about);
  Window()->SetIcon(ids::kMainIcon);

  CStartDialog start(GetHost());
  if (start.DoModal() != ids::kStartChosen) EndDialog(0);

  // The rest runs after a refusal too: the track starts again and best.data is read.
  PrepareGame();
  Window()->SetItemFont(ids::kDisplay, kDisplayFont);
  Window()->SetItemFont(ids::kHint, kHintFont);
  Window()->EnableItem(ids::kInput, false);
  Window()->ShowItem(ids::kCancel, false);
  UpdateData(false);
  return true;
}

void CGameDialog::OnSysCommand(unsigned id) {
  if ((id & 0xFFF0) == ids::kAboutCommand) {
    CAboutDialog about(GetHost());
    about.DoModal();
  } else {
    CDialog::OnSysCommand(id);
  }
}

void CGameDialog::OnCancel() { OnExit(); }

void CGameDialog::OnExit() {
  // No timer is stopped: a running game goes on ticking while the question is open.
  if (AfxMessageBox("Really?", MessageButtons::OkCancel) == ids::kOk) EndDialog(0);
}

void CGameDialog::OnHowToPlay() {
  CHelpDialog help(GetHost());
  help.DoModal();
}

void CGameDialog::OnReset() {
  EndDialog(0);
  GetHost().StartProgram(GetHost().ExecutablePath());
}
