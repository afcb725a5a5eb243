#include "ui/start_dialog.h"

#include "sound/background_music.h"
#include "ui/about_dialog.h"

namespace {
CFont g_titleFont;  // lives until the process ends, like the title that shows it
}

CStartDialog::CStartDialog(CWnd* pParent) : CDialog(129) { (void)pParent; }

void CStartDialog::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, 1012, m_ctlTitle); }

bool CStartDialog::OnRoute(Notification event, int id) {
  static const Route<CStartDialog> kRoutes[] = {
      {Notification::Clicked, 1000, &CStartDialog::OnAbout},
      {Notification::Clicked, IDOK, &CStartDialog::OnStartGame},
  };
  return Dispatch(this, kRoutes, event, id);
}

bool CStartDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  if (!g_titleFont.Spec()) {
    g_titleFont.CreateFontA(42, 0, 0, 0, 400, false, false, false, 0, 0, 0, 0, 0x20, "微软雅黑");
  }
  m_ctlTitle.SetFont(&g_titleFont);
  PlayBackgroundMusic();
  return true;
}

void CStartDialog::OnStartGame() { EndDialog(78); }

void CStartDialog::OnCancel() { CDialog::OnCancel(); }

void CStartDialog::OnAbout() {
  CAboutDialog about;
  about.DoModal();
}
