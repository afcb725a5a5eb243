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
  const std::wstring folder = path.substr(0, path.find_last_of(L"\\/") + 1);
  wchar_t beside[MAX_PATH + 1];
  if (GetTempFileNameW(folder.empty() ? L"." : folder.c_str(), L"qbx", 0, beside) == 0) {
    return false;
  }
  if (WriteWhole(beside, bytes) &&
      MoveFileExW(beside, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileW(beside);
  return false;
}
