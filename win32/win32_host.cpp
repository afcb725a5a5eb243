// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32/win32_host.h"

#include <commctrl.h>
#include <commdlg.h>
#include <mmsystem.h>
#include <shellapi.h>
#include <shlobj.h>

#include <ctime>

#include "res/dialog_template.h"
#include "res/string_table.h"
#include "seam/ids.h"
#include "win32/atomic_save.h"
#include "win32/system_function.h"
#include "win32/wide_text.h"
#include "win32/win32_dialog_window.h"

namespace {

// The Open dialog's filter: "description|pattern|...||" with NUL bytes for the bars.
std::wstring OpenFileFilter(const std::string& filter) {
  std::wstring wide = Wide(filter);
  for (wchar_t& c : wide) {
    if (c == L'|') c = L'\0';
  }
  return wide;
}

// Whether this user may make files in the folder: making one is the only sure test. The
// probe is named for this process, and the system deletes it as it is closed.
bool MayMakeFilesIn(const std::wstring& folder) {
  const std::wstring probe =
      folder + L"quellabox-probe-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace

Win32Host::Win32Host(HINSTANCE instance) : m_instance(instance) {
  // The visual styles of the common controls, which the program's manifest asks for.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // Timers to the millisecond: the system's default resolution is 10 to 16 ms.
  timeBeginPeriod(1);
}

Win32Host::~Win32Host() { timeEndPeriod(1); }

HWND Win32Host::Owner() const {
  const auto* newest = static_cast<const Win32DialogWindow*>(OwnerOfNextRun());
  return newest ? newest->Handle() : nullptr;
}

int Win32Host::RunModal(int templateId, DialogEvents& dialog) {
  const DialogTemplate* tpl = FindDialogTemplate(templateId);
  if (!tpl) return -1;
  Win32DialogWindow window(dialog, *tpl);
  return window.Run(*this, m_instance, Owner());
}

int Win32Host::ShowMessageBox(const std::string& caption, const std::string& text,
                              MessageButtons buttons) {
  const bool okCancel = buttons == MessageButtons::OkCancel;
  const int answer =
      MessageBoxW(Owner(), Wide(text).c_str(), Wide(caption).c_str(),
                  okCancel ? MB_OKCANCEL | MB_ICONQUESTION : MB_OK | MB_ICONINFORMATION);
  return answer == IDOK ? ids::kOk : ids::kCancel;
}

std::optional<std::string> Win32Host::ChooseFileToOpen(const OpenFileRequest& request) {
  const std::wstring filter = OpenFileFilter(request.filter);
  const std::wstring extension = Wide(request.defaultExtension);
  std::wstring file(32768, L'\0');  // the longest path the system takes
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  const std::wstring folder = Wide(request.initialFolder);
  dialog.hwndOwner = Owner();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = extension.c_str();
  // Without "must exist" a typed name of a file that is not there is taken too. The
  // dialog leaves the working folder as it was.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 (request.mustExist ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : 0);
  static const auto getOpenFileName =
      SystemFunction<decltype(GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
  if (!getOpenFileName || !getOpenFileName(&dialog)) return std::nullopt;
  file.resize(file.find(L'\0'));
  // A typed name with no extension gets the default one, also when no such file exists,
  // which not every version of the dialog does by itself.
  if (!extension.empty() && (dialog.nFileExtension == 0 || dialog.nFileExtension >= file.size())) {
    if (file.back() != L'.') file += L'.';
    file += extension;
  }
  return Utf8(file);
}

void Win32Host::ShellOpen(const std::string& target) {
  static const auto shellExecute =
      SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (shellExecute) {
    shellExecute(nullptr, L"open", Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

void Win32Host::StartProgram(const std::string& path) {
  const std::wstring program = Wide(path);
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
  }
}

void Win32Host::PlayLooping(const std::string& path) {
  // No default sound: a missing or broken track leaves silence, not the system's beep on
  // a loop.
  PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_LOOP | SND_ASYNC | SND_NODEFAULT);
}

void Win32Host::StopSound() { PlaySoundW(nullptr, nullptr, 0); }

std::int64_t Win32Host::CalendarTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

std::string Win32Host::ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return Utf8(path);
    }
    path.resize(path.size() * 2);  // cut short: no path is too long for the game
  }
}

std::string Win32Host::LoadText(int id) { return LoadResourceString(id); }

bool Win32Host::MayWriteIn(const std::string& folder) { return MayMakeFilesIn(Wide(folder)); }

bool Win32Host::IsInstalledCopy(const std::string& programFolder) {
  // The installer leaves this mark beside the program; the zip has none.
  return GetFileAttributesW(Wide(programFolder + "installed-copy").c_str()) !=
         INVALID_FILE_ATTRIBUTES;
}

std::string Win32Host::UserDataFolder() {
  // The player's local application data, as for any program installed for everyone.
  static const auto knownFolderPath =
      SystemFunction<decltype(SHGetKnownFolderPath)>(L"shell32.dll", "SHGetKnownFolderPath");
  static const auto taskMemFree =
      SystemFunction<decltype(CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
  if (!knownFolderPath || !taskMemFree) return {};
  PWSTR local = nullptr;
  std::wstring folder;
  if (SUCCEEDED(knownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &local))) {
    folder = std::wstring(local) + L"\\Quellabox\\";
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  taskMemFree(local);
  return Utf8(folder);
}

std::string Win32Host::SampleFolder() {
  // The zip and the installer put the samples in a folder beside the program.
  const std::string samples = ExeDirectory(*this) + "examples\\";
  const DWORD attributes = GetFileAttributesW(Wide(samples).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? samples
                                                                                          : "";
}

SaveResult Win32Host::SaveFileAtomically(const std::string& path, const std::string& expected,
                                         const std::string& bytes) {
  if (!FileStillHolds(path, expected)) return SaveResult::Changed;
  return ::SaveFileAtomically(Wide(path), bytes) ? SaveResult::Saved : SaveResult::Failed;
}
