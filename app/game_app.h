#pragma once

class CDialog;

// The application: runs the main game window modally, then lets the process end.
class CGameApp {
 public:
  CGameApp() = default;
  bool InitInstance();

  CDialog* m_pMainWnd = nullptr;
};

extern CGameApp theApp;
