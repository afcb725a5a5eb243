// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/choose_key_file.h"

#include "game/website.h"
#include "seam/host.h"
#include "seam/ids.h"

std::optional<std::string> ChooseKeyFile(Host& host, const std::string& lastPicked) {
  const std::string folder = lastPicked.empty() ? host.SampleFolder() : FolderOf(lastPicked);
  if (std::optional<std::string> path =
          host.ChooseFileToOpen({"vts", "vantosh file(*.vts)|*.vts||", false, folder})) {
    return path;
  }
  const std::string offer =
      std::string(
          "Would you like to get more vantosh files? Visit our website to get more or "
          "you can make them by yourself with our tools on our website. Click [OK] to "
          "visit our website(") +
      kWebsiteAddress + ").";
  if (host.ShowMessageBox(ApplicationTitle(host), offer, MessageButtons::OkCancel) == ids::kOk) {
    host.ShellOpen(kWebsiteAddress);
  }
  return std::nullopt;
}
