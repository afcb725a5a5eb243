// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's ticks on the Windows host, in its real message loop (under Wine, or on
// Windows; bench/measured_game.h says what is timed). It plays as a player does, through the
// window: a click of "Random mode", the focus into the box, the key typed.
//
// Run: wine64 build-windows/bench/quellabox_bench_tick_windows.exe
#include <windows.h>

#include <cctype>
#include <string>

#include "bench/measured_game.h"
#include "win32/win32_dialog_window.h"
#include "win32/win32_host.h"

namespace {

class Win32MeasuredGame : public MeasuredGame {
 public:
  using MeasuredGame::MeasuredGame;

 private:
  HWND Handle() const { return static_cast<Win32DialogWindow*>(Window())->Handle(); }

  void StartRandomGame() override {
    SendMessageW(GetDlgItem(Handle(), ids::kRandomMode), BM_CLICK, 0, 0);
    SetFocus(GetDlgItem(Handle(), ids::kInput));
  }

  void TypeKey(const std::string& key) override {
    const std::string typed(1, static_cast<char>(std::tolower(key[0])));
    SetDlgItemTextA(Handle(), ids::kInput, typed.c_str());
  }
};

}  // namespace

int main() {
  StartedHost<Win32Host> host(GetModuleHandleW(nullptr));
  Win32MeasuredGame game(host);
  game.DoModal();
  return game.PrintErrors("engine (Windows timers)") ? 0 : 1;
}
