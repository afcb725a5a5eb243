#pragma once

class Host;

// The application: runs the main game window modally, then lets the process end.
class CGameApp {
 public:
  bool InitInstance(Host& host);
};

extern CGameApp theApp;
