// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for measure_wine.sh: the game's first job and nothing else, built as the game
// is and with its resources (the icon the template shows, the manifest). The dialog manager
// shows the start dialog's template from memory, and the looping track beside the program
// starts as the dialog opens. The game's start-up and memory read as a ratio to what any
// Windows program doing that job pays.
#include <windows.h>

#include <mmsystem.h>

#include <string>

#include "res/dialog_template.h"
#include "seam/ids.h"
#include "win32/in_memory_template.h"

namespace {

std::wstring MusicBesideProgram() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path.substr(0, path.rfind(L'\\') + 1) + L"BackgroundMusic.wav";
}

INT_PTR CALLBACK StartDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // As the game's host plays it.
      PlaySoundW(MusicBesideProgram().c_str(), nullptr,
                 SND_FILENAME | SND_LOOP | SND_ASYNC | SND_NODEFAULT);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const std::vector<WORD> memory = InMemoryTemplate(*FindDialogTemplate(ids::kStartDialog));
  DialogBoxIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(memory.data()), nullptr,
                          StartDialog, 0);
  return 0;
}
