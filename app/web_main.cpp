// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/game_app.h"
#include "web/page.h"
#include "web/web_host.h"

int main() {
  WebHost host;
  // The game window runs modally inside the start-up, its waits yielding to the browser;
  // once it has ended, the page says so, as a tab cannot close itself.
  theApp.InitInstance(host);
  page_program_ended();
  return 0;
}
