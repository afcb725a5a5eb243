// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "seam/ids.h"
#include "ui/website_dialog.h"

// The game's name, version, copyright and website.
class CAboutDialog : public CWebsiteDialog {
 public:
  explicit CAboutDialog(Host& host) : CWebsiteDialog(host, ids::kAboutDialog) {}
};
