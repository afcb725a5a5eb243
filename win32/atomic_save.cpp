// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32/atomic_save.h"

#include <windows.h>

namespace {

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size() && FlushFileBuffers(file);
  return CloseHandle(file) && whole;
}

}  // namespace

bool SaveFileAtomically(const std::wstring& path, const std::string& bytes) {
  // Named for this process, so two copies of the game saving at once never share it.
  const std::wstring beside = path + L".new-" + std::to_wstring(GetCurrentProcessId());
  if (WriteWhole(beside, bytes) &&
      MoveFileExW(beside.c_str(), path.c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(beside.c_str());
  return false;
}
