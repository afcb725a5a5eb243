// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "app/game_app.h"
#include "win32/win32_host.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Win32Host host(instance);
  // The start-up says whether the program still needs a message loop of its own: false
  // means it has done its work (the game window ran modally inside it).
  if (!theApp.InitInstance(host)) return 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return static_cast<int>(message.wParam);
}
