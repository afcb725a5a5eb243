// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for measure_wine.sh: the least a Windows program does to show a dialog (a
// text and a button), built as the game is, so the game's start-up and memory read as a
// ratio to it.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, L"A dialog and nothing more.", L"Minimal Win32 dialog", MB_OK);
  return 0;
}
