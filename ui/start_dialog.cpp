// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/start_dialog.h"

#include "game/background_music.h"
#include "seam/ids.h"
#include "ui/about_dialog.h"
#include "ui/display_fonts.h"

CStartDialog::CStartDialog(Host& host) : CDialog(host, ids::kStartDialog) {}

bool CStartDialog::OnRoute(Notification event, int id) {
  static const Route<CStartDialog> kRoutes[] = {
      {Notification::Clicked, ids::kAbout, &CStartDialog::OnAbout},
      {Notification::Clicked, ids::kOk, &CStartDialog::OnStartGame},
  };
  return Dispatch(this, kRoutes, event, id);
}

bool CStartDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  Window()->SetItemFont(ids::kTitle, kTitleFont);
  PlayBackgroundMusic(GetHost(), ExeDirectory(GetHost()));
  return true;
}

void CStartDialog::OnStartGame() { EndDialog(ids::kStartChosen); }

void CStartDialog::OnAbout() {
  CAboutDialog about(GetHost());
  about.DoModal();
}
