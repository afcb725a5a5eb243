#include "app/game_app.h"

#include "ui/game_dialog.h"

CGameApp theApp;

bool CGameApp::InitInstance() {
  CGameDialog dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  // Nothing is saved or stopped at the end: returning false ends the process.
  return false;
}
