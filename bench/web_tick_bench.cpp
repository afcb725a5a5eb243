// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's ticks on the web host, in the page's queued message loop (bench/
// measured_game.h says what is timed). The bench plays as the page would deliver a player's
// moves: the Random mode button's command, the box's focus, the key written into the box.
// The figures go to the page's console.
//
// Run: serve build-web/bench/tick/ and open it in a browser (measure_web.sh does).
#include "bench/measured_game.h"
#include "web/web_host.h"

namespace {

class WebMeasuredGame : public MeasuredGame {
 public:
  using MeasuredGame::MeasuredGame;

 private:
  void StartRandomGame() override {
    OnCommand(ids::kRandomMode);
    OnNotify(Notification::SetFocus, ids::kInput);
  }
  void TypeKey(const std::string& key) override { Window()->SetItemText(ids::kInput, key); }
};

}  // namespace

int main() {
  StartedHost<WebHost> host;
  WebMeasuredGame game(host);
  game.DoModal();
  return game.PrintErrors("engine (page timers)") ? 0 : 1;
}
