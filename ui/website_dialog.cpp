#include "ui/website_dialog.h"

#include "data/website.h"
#include "ui/host.h"

void CWebsiteDialog::OnVisitWebsite() { CurrentHost().ShellOpen(kWebsiteAddress); }

bool CWebsiteDialog::OnRoute(Notification event, int id) {
  static const Route<CWebsiteDialog> kRoutes[] = {
      {Notification::Clicked, 1000, &CWebsiteDialog::OnVisitWebsite},
  };
  return Dispatch(this, kRoutes, event, id);
}
