#pragma once

#include "seam/ids.h"
#include "ui/website_dialog.h"

// The game's name, version, copyright and website.
class CAboutDialog : public CWebsiteDialog {
 public:
  explicit CAboutDialog(Host& host) : CWebsiteDialog(host, ids::kAboutDialog) {}
};
