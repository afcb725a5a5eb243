// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "win32/win32_sound_player.h"

#include <windows.h>

#include <mmsystem.h>  // after windows.h, which it needs

namespace {

// The whole file, or nothing when it cannot be read whole.
std::string ReadWholeFile(const std::wstring& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  LARGE_INTEGER size{};
  DWORD read = 0;
  if (GetFileSizeEx(file, &size) && size.QuadPart < MAXDWORD) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    if (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
      bytes.clear();
    }
  }
  CloseHandle(file);
  return bytes;
}

}  // namespace

Win32SoundPlayer::~Win32SoundPlayer() { Stop(); }

void Win32SoundPlayer::PlayLooping(const std::wstring& path) {
  Stop();  // before the bytes that play are replaced
  m_track = ReadWholeFile(path);
  if (m_track.empty()) return;
  // No default sound: a broken track leaves silence, not the system's beep on a loop.
  PlaySoundW(reinterpret_cast<LPCWSTR>(m_track.data()), nullptr,
             SND_MEMORY | SND_LOOP | SND_ASYNC | SND_NODEFAULT);
}

void Win32SoundPlayer::Stop() {
  // Returns once the sound system has let go of the bytes.
  PlaySoundW(nullptr, nullptr, 0);
  m_track.clear();
}
