// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game_engine.h"

// The main game window: its start-up, its routing table and the ways out. The game
// itself is the engine's.
class CGameDialog : public CGameEngine {
 public:
  explicit CGameDialog(Host& host) : CGameEngine(host) {}

  bool OnInitDialog() override;
  void OnCancel() override;
  void OnSysCommand(unsigned id) override;

 protected:
  bool OnRoute(Notification event, int id) override;

 private:
  void OnExit();
  void OnHowToPlay();
  void OnReset();
};
