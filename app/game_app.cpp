// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/game_app.h"

#include "ui/game_dialog.h"

CGameApp theApp;

void CGameApp::InitInstance(Host& host) {
  CGameDialog dlg(host);
  dlg.DoModal();
  // Nothing is saved or stopped at the end.
}
