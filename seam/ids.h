// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every id the program speaks in: dialog templates, resources, controls, commands and the
// start dialog's result. Names of our own, since the desktop's headers define theirs as
// macros.
namespace ids {

// Enter's OK and Esc's Cancel, also the ids of the buttons that give them.
constexpr int kOk = 1;
constexpr int kCancel = 2;

// Dialog templates.
constexpr int kAboutDialog = 100;
constexpr int kGameDialog = 102;
constexpr int kStartDialog = 129;
constexpr int kHelpDialog = 130;

// Other resources: the About item of the system menu, the icon, the picture of the keys.
constexpr int kAboutMenuText = 101;
constexpr int kMainIcon = 128;

// The main game window.
constexpr int kHowToPlay = 1000;
constexpr int kDisplay = 1001;
constexpr int kExit = 1002;
constexpr int kMusic = 1003;
constexpr int kMode = 1004;
constexpr int kRandomMode = 1005;
constexpr int kFixedMode = 1006;
constexpr int kInput = 1007;
constexpr int kTip = 1008;
constexpr int kReset = 1010;
constexpr int kBest = 1011;
constexpr int kHellMode = 1013;
constexpr int kHint = 1014;
constexpr int kKeyFileInfo = 1015;
constexpr int kNoSpeedChange = 1016;
constexpr int kSpeed = 1017;

// The start dialog; it ends with kStartChosen when the player starts the game.
constexpr int kAbout = 1000;
constexpr int kTitle = 1012;
constexpr int kStartChosen = 78;

// About and help.
constexpr int kVisitWebsite = 1000;
constexpr int kHelpText = 1008;

// Commands of the window's own menu.
constexpr unsigned kCloseCommand = 0xF060;
constexpr unsigned kAboutCommand = 0x0010;

}  // namespace ids
