// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// win-inspect: reads the windows of every program on the Wine desktop from outside, as a
// screen reader would, for the tests that play the game under Wine. Each line of its input
// is a command: "list" answers with one JSON line for every visible top-level window, one
// for each of its controls, then {"done":true}; "quit" ends it.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// The text of a window of any program, in JSON: WM_GETTEXT crosses process boundaries.
std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 500, &length);
  std::wstring wide(length + 1, L'\0');
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(wide.data()),
                      SMTO_ABORTIFHUNG, 500, &length);
  wide.resize(length);
  std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(
                       CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), int(utf8.size()),
                      nullptr, nullptr);
  std::string json = "\"";
  for (const char c : utf8) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
    json +=
        c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20 ? escaped : std::string(1, c);
  }
  return json + "\"";
}

const char* Bool(bool value) { return value ? "true" : "false"; }

unsigned long long Id(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

BOOL CALLBACK ListControl(HWND control, LPARAM top) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(control, nullptr), &thread);
  // A picture's text is the number of its resource: say whether it shows one instead.
  const bool picture = SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0 ||
                       SendMessageW(control, STM_GETICON, 0, 0) != 0;
  RECT rect{};
  GetWindowRect(control, &rect);
  std::printf(
      "{\"control\":%d,\"window\":%llu,\"text\":%s,\"rect\":[%ld,%ld,%ld,%ld],\"visible\":%s,"
      "\"enabled\":%s,\"focused\":%s,\"image\":%s}\n",
      GetDlgCtrlID(control), Id(reinterpret_cast<HWND>(top)),
      picture ? "\"\"" : TextOf(control).c_str(), rect.left, rect.top, rect.right, rect.bottom,
      Bool(IsWindowVisible(control)), Bool(IsWindowEnabled(control)),
      Bool(thread.hwndFocus == control), Bool(picture));
  return TRUE;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  std::printf("{\"window\":%llu,\"caption\":%s,\"owner\":%llu,\"active\":%s,\"appwindow\":%s}\n",
              Id(window), TextOf(window).c_str(), Id(GetWindow(window, GW_OWNER)),
              Bool(thread.hwndActive == window),
              Bool(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW));
  EnumChildWindows(window, ListControl, reinterpret_cast<LPARAM>(window));
  return TRUE;
}

}  // namespace

int main() {
  for (std::string command; std::getline(std::cin, command) && command.rfind("quit", 0) != 0;) {
    if (command.rfind("list", 0) == 0) EnumWindows(ListWindow, 0);
    std::printf("{\"done\":true}\n");
    std::fflush(stdout);
  }
  return 0;
}
