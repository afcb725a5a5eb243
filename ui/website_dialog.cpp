// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/website_dialog.h"

#include "game/website.h"
#include "seam/ids.h"

void CWebsiteDialog::OnVisitWebsite() { GetHost().ShellOpen(kWebsiteAddress); }

bool CWebsiteDialog::OnRoute(Notification event, int id) {
  static const Route<CWebsiteDialog> kRoutes[] = {
      {Notification::Clicked, ids::kVisitWebsite, &CWebsiteDialog::OnVisitWebsite},
  };
  return Dispatch(this, kRoutes, event, id);
}
