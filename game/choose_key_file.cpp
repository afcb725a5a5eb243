// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/choose_key_file.h"

#include "game/website.h"
#include "seam/host.h"
#include "seam/ids.h"

std::optional<std::string> ChooseKeyFile(ModalRunner& modal, Desktop& desktop) {
  if (std::optional<std::string> path =
          modal.ChooseFileToOpen({"vts", "vantosh file(*.vts)|*.vts||", false})) {
    return path;
  }
  const std::string offer =
      std::string(
          "Would you like to get more vantosh files? Visit our website to get more or "
          "you can make them by yourself with our tools on our website. Click [OK] to "
          "visit our website(") +
      kWebsiteAddress + ").";
  if (modal.ShowMessageBox(offer, MessageButtons::OkCancel) == ids::kOk) {
    desktop.ShellOpen(kWebsiteAddress);
  }
  return std::nullopt;
}
