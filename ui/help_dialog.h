// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "ui/website_dialog.h"

// How to play: the rules over a picture of the six keys.
class CHelpDialog : public CWebsiteDialog {
 public:
  explicit CHelpDialog(Host& host);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  std::string m_strHelp;
};
