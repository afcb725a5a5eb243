// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam/dialog.h"

// A dialog whose button "Visit our website" opens the game's home page.
class CWebsiteDialog : public CDialog {
 public:
  using CDialog::CDialog;

 protected:
  bool OnRoute(Notification event, int id) override;

 private:
  void OnVisitWebsite();
};
