#pragma once

#include <string>

#include "ui/website_dialog.h"

// How to play: the rules over a picture of the six keys.
class CHelpDialog : public CWebsiteDialog {
 public:
  explicit CHelpDialog(CWnd* pParent = nullptr);

  std::string m_strHelp;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

// The help text, ten lines joined by line feeds.
std::string HelpText();
