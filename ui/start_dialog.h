#pragma once

#include "ui/dialog.h"

// The first window: start the game (result 78), leave, or read about the game.
class CStartDialog : public CDialog {
 public:
  explicit CStartDialog(CWnd* pParent = nullptr);

  CStatic m_ctlTitle;

  bool OnInitDialog() override;
  void OnCancel() override;
  void OnStartGame();
  void OnAbout();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  bool OnRoute(Notification event, int id) override;
};
