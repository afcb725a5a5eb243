// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Host;

// The application: runs the main game window modally; when it returns, the program ends.
class CGameApp {
 public:
  void InitInstance(Host& host);
};

extern CGameApp theApp;
