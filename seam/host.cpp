// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seam/host.h"

std::string ExeDirectory(ProgramFiles& files) {
  std::string path = files.ExecutablePath();
  const auto cut = path.find_last_of("/\\");
  if (cut != std::string::npos) path.erase(cut + 1);
  return path;
}
