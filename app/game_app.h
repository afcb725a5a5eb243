// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Host;

// The application: runs the main game window modally, then lets the process end.
class CGameApp {
 public:
  bool InitInstance(Host& host);
};

extern CGameApp theApp;
