// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "app/game_app.h"
#include "win32/win32_host.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Win32Host host(instance);
  // The game window runs modally inside; the program has done its work when it returns.
  theApp.InitInstance(host);
  return 0;
}
