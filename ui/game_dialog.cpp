#include "ui/game_dialog.h"

#include "sound/background_music.h"
#include "ui/about_dialog.h"
#include "ui/help_dialog.h"
#include "ui/host.h"
#include "ui/start_dialog.h"

namespace {

constexpr int kStartChosen = 78;
constexpr int kSystemIconSize = 32;
const char kDisplayFace[] = "微软雅黑";

// Made once and kept until the process ends: controls hold them while the window lives.
CFont g_displayFont;
CFont g_hintFont;

void CreateDisplayFont(CFont& font, int height) {
  if (!font.Spec())
    font.CreateFontA(height, 0, 0, 0, 400, false, false, false, 0, 0, 0, 0, 0x20, kDisplayFace);
}

}  // namespace

CGameDialog::CGameDialog(CWnd* pParent) : CDialog(102) {
  (void)pParent;
  m_strDisplay = "ARE YOU READY?";
  m_strMode = "Mode:None";
  m_strInput = "";
  m_strTip = "Please select a mode to start.";
  m_strBest = "";
  m_bHellMode = 0;
  m_strKeyFileInfo = "";
  m_bNoSpeedChange = 0;
  m_strSpeed = "";
  m_hIcon = CurrentHost().LoadIcon(IDR_MAINFRAME);
}

CGameDialog::~CGameDialog() = default;

void CGameDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, 1014, m_ctlHint);
  DDX_Control(pDX, 1001, m_ctlDisplay);
  DDX_Text(pDX, 1001, m_strDisplay);
  DDX_Text(pDX, 1004, m_strMode);
  DDX_Text(pDX, 1007, m_strInput);
  DDX_Text(pDX, 1008, m_strTip);
  DDX_Text(pDX, 1011, m_strBest);
  DDX_Check(pDX, 1013, m_bHellMode);
  DDX_Text(pDX, 1015, m_strKeyFileInfo);
  DDX_Check(pDX, 1016, m_bNoSpeedChange);
  DDX_Text(pDX, 1017, m_strSpeed);
}

bool CGameDialog::OnRoute(Notification event, int id) {
  static const Route<CGameDialog> kRoutes[] = {
      {Notification::Clicked, 1002, &CGameDialog::OnExit},
      {Notification::Clicked, 1003, &CGameDialog::OnMusicToggle},
      {Notification::Clicked, 1000, &CGameDialog::OnHowToPlay},
      {Notification::Clicked, 1005, &CGameDialog::OnRandomMode},
      {Notification::Clicked, 1006, &CGameDialog::OnFixedMode},
      {Notification::SetFocus, 1007, &CGameDialog::OnInputSetFocus},
      {Notification::Clicked, 1010, &CGameDialog::OnReset},
  };
  return Dispatch(this, kRoutes, event, id);
}

bool CGameDialog::OnInitDialog() {
  CDialog::OnInitDialog();

  const std::string about = CurrentHost().LoadString(IDS_ABOUTBOX);
  if (!about.empty()) {
    Window()->AppendSystemMenu(MF_SEPARATOR, 0, "");
    Window()->AppendSystemMenu(MF_STRING, IDM_ABOUTBOX, about);
  }
  Window()->SetIcon(m_hIcon, true);
  Window()->SetIcon(m_hIcon, false);

  CStartDialog start;
  if (start.DoModal() != kStartChosen) EndDialog(0);

  // The rest runs after a refusal too: the track starts again and best.data is read.
  PlayBackgroundMusic();
  m_bMusicOn = true;
  m_bStarted = false;
  CreateDisplayFont(g_displayFont, 96);
  m_ctlDisplay.SetFont(&g_displayFont);
  CreateDisplayFont(g_hintFont, 16);
  m_ctlHint.SetFont(&g_hintFont);
  GetDlgItem(1007).EnableWindow(false);
  GetDlgItem(IDCANCEL).ShowWindow(SW_HIDE);
  m_strExeDir = ExeDirectory();
  LoadBestScore();
  UpdateData(false);
  return true;
}

void CGameDialog::OnSysCommand(unsigned id, long lParam) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDialog about;
    about.DoModal();
  } else {
    CDialog::OnSysCommand(id, lParam);
  }
}

void CGameDialog::OnPaint() {
  if (!Window()->IsIconic()) return CDialog::OnPaint();
  const int x = (Window()->ClientWidth() - kSystemIconSize + 1) / 2;
  const int y = (Window()->ClientHeight() - kSystemIconSize + 1) / 2;
  Window()->DrawIcon(x, y, m_hIcon);
}

HICON CGameDialog::OnQueryDragIcon() { return m_hIcon; }

void CGameDialog::OnCancel() { OnExit(); }

void CGameDialog::OnExit() {
  // No timer is stopped: a running game goes on ticking while the question is open.
  if (AfxMessageBox("Really?", MB_OKCANCEL) == IDOK) EndDialog(0);
}

void CGameDialog::OnHowToPlay() {
  CHelpDialog help;
  help.DoModal();
}

void CGameDialog::OnReset() {
  EndDialog(0);
  CurrentHost().StartProgram(CurrentHost().ExecutablePath());
}
