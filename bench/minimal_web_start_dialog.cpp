// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for measure_web.sh: the game's first job and nothing else, built and served as
// the game is. The web host shows the start dialog's template, and the looping track beside
// the program starts as the dialog opens. The game's page load reads as a ratio to what the
// web host pays for that job.
#include "seam/dialog.h"
#include "seam/ids.h"
#include "web/web_host.h"

namespace {

class StartDialog : public CDialog {
 public:
  explicit StartDialog(Host& host) : CDialog(host, ids::kStartDialog) {}

  bool OnInitDialog() override {
    GetHost().PlayLooping(ExeDirectory(GetHost()) + "BackgroundMusic.wav");
    return CDialog::OnInitDialog();
  }
};

}  // namespace

int main() {
  WebHost host;
  StartDialog dialog(host);
  dialog.DoModal();
  return 0;
}
