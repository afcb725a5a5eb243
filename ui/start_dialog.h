// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam/dialog.h"

// The first window: start the game (result 78), leave, or read about the game.
class CStartDialog : public CDialog {
 public:
  explicit CStartDialog(Host& host);

  bool OnInitDialog() override;

 protected:
  bool OnRoute(Notification event, int id) override;

 private:
  void OnStartGame();
  void OnAbout();
};
