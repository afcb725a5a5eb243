#include "data/choose_key_file.h"

#include "data/website.h"
#include "ui/dialog.h"
#include "ui/host.h"

std::optional<std::string> ChooseKeyFile() {
  if (std::optional<std::string> path =
          CurrentHost().ChooseFileToOpen({"vts", "vantosh file(*.vts)|*.vts||", 0})) {
    return path;
  }
  const std::string offer =
      std::string(
          "Would you like to get more vantosh files? Visit our website to get more or "
          "you can make them by yourself with our tools on our website. Click [OK] to "
          "visit our website(") +
      kWebsiteAddress + ").";
  if (AfxMessageBox(offer, MB_OKCANCEL) == IDOK) CurrentHost().ShellOpen(kWebsiteAddress);
  return std::nullopt;
}
