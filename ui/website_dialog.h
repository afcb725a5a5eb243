#pragma once

#include "ui/dialog.h"

// A dialog whose button 1000, "Visit our website", opens the game's home page.
class CWebsiteDialog : public CDialog {
 public:
  using CDialog::CDialog;
  void OnVisitWebsite();

 protected:
  bool OnRoute(Notification event, int id) override;
};
