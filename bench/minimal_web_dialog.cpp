// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for measure_web.sh: the least the web host does to show a dialog, the start
// dialog's template with no game behind it, built and served as the game is, so the game's
// start-up reads as a ratio to it.
#include "seam/dialog.h"
#include "seam/ids.h"
#include "web/web_host.h"

int main() {
  WebHost host;
  CDialog dialog(host, ids::kStartDialog);
  dialog.DoModal();
  return 0;
}
