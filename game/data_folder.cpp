// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/data_folder.h"

#include "seam/host.h"

std::string DataFolder(ProgramFiles& files, const std::string& exeDir) {
  if (!files.IsInstalledCopy(exeDir) && files.MayWriteIn(exeDir)) return exeDir;
  return files.UserDataFolder();
}
