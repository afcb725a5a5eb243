#pragma once

#include <string>

#include "ui/dialog.h"

constexpr unsigned TIMER_RANDOM = 0;
constexpr unsigned TIMER_FIXED = 1;
constexpr unsigned TIMER_COUNTDOWN = 2;

constexpr unsigned IDM_ABOUTBOX = 0x0010;
constexpr int IDS_ABOUTBOX = 101;
constexpr int IDR_MAINFRAME = 128;

// The main game window (template 102). Its shell lives in ui/, its engine in game/ and
// its best-score routines in data/.
class CGameDialog : public CDialog {
 public:
  explicit CGameDialog(CWnd* pParent = nullptr);
  ~CGameDialog() override;

  // Bound fields and state, in declaration order.
  CStatic m_ctlHint;
  CStatic m_ctlDisplay;
  std::string m_strDisplay;
  std::string m_strMode;
  std::string m_strInput;
  std::string m_strTip;
  std::string m_strBest;
  int m_bHellMode;
  std::string m_strKeyFileInfo;
  int m_bNoSpeedChange;
  std::string m_strSpeed;
  bool m_bMusicOn = false;
  bool m_bStarted = false;
  std::string m_strExeDir;
  int m_nInterval = 0;
  int m_nScore = 0;
  int m_nInitialInterval = 0;
  std::string m_strKeyFilePath;
  int m_nCountdown = 0;
  HICON m_hIcon;

  bool OnInitDialog() override;
  void OnCancel() override;
  void OnSysCommand(unsigned id, long lParam) override;
  void OnPaint() override;
  HICON OnQueryDragIcon() override;
  void OnTimer(unsigned id) override;

  void OnExit();
  void OnMusicToggle();
  void OnHowToPlay();
  void OnRandomMode();
  void OnFixedMode();
  void OnInputSetFocus();
  void OnReset();

  void StartGame();
  void StepInterval(unsigned timerId);
  void ShowSpeed();
  void LoadBestScore();
  void UpdateBestScore();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnRoute(Notification event, int id) override;

 private:
  void CountdownTick();
  void RandomTick();
  void FixedTick();
};
