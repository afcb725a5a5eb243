#pragma once

#include "ui/website_dialog.h"

// The game's name, version, copyright and website.
class CAboutDialog : public CWebsiteDialog {
 public:
  CAboutDialog() : CWebsiteDialog(100) {}
};
