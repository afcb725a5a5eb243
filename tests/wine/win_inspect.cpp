// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// win-inspect: reads the windows of every program on the Wine desktop from outside, as a
// screen reader would, for the tests that play the game under Wine. It serves commands
// from its standard input, one a line, and answers each with JSON lines, UTF-8:
//   list  every visible top-level window, then its controls, then {"done":true}
//   quit
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(
                       CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), int(utf8.size()),
                      nullptr, nullptr);
  return utf8;
}

std::string Json(const std::wstring& text) {
  std::string out = "\"";
  for (const char c : Utf8(text)) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

const char* Bool(bool value) { return value ? "true" : "false"; }

// Marshalled across processes, so it reads another program's controls too.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 500, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, 500, &got)) {
    return {};
  }
  text.resize(got);
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::string Rect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  char text[64];
  std::snprintf(text, sizeof text, "[%ld,%ld,%ld,%ld]", rect.left, rect.top, rect.right,
                rect.bottom);
  return text;
}

struct Listing {
  HWND top;
  HWND focus;
};

BOOL CALLBACK ListControl(HWND control, LPARAM param) {
  const auto* listing = reinterpret_cast<const Listing*>(param);
  const bool button = ClassOf(control) == L"Button";
  const LONG_PTR type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
  const bool checkBox = button && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX);
  const bool image =
      ClassOf(control) == L"Static" && SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0) +
                                               SendMessageW(control, STM_GETICON, 0, 0) !=
                                           0;
  std::printf(
      "{\"control\":%d,\"window\":%llu,\"class\":%s,\"text\":%s,\"rect\":%s,\"visible\":%s,"
      "\"enabled\":%s,\"checked\":%s,\"focused\":%s,\"image\":%s}\n",
      GetDlgCtrlID(control),
      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(listing->top)),
      Json(ClassOf(control)).c_str(), image ? "\"\"" : Json(TextOf(control)).c_str(),
      Rect(control).c_str(), Bool(IsWindowVisible(control)), Bool(IsWindowEnabled(control)),
      Bool(checkBox && SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED),
      Bool(control == listing->focus), Bool(image));
  return TRUE;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  DWORD process = 0;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, &process), &thread);
  const bool focusInside =
      thread.hwndFocus && (thread.hwndFocus == window || IsChild(window, thread.hwndFocus));
  std::printf(
      "{\"window\":%llu,\"process\":%lu,\"caption\":%s,\"class\":%s,\"owner\":%llu,\"rect\":%s,"
      "\"enabled\":%s,\"active\":%s,\"appwindow\":%s}\n",
      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)), process,
      Json(TextOf(window)).c_str(), Json(ClassOf(window)).c_str(),
      static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetWindow(window, GW_OWNER))),
      Rect(window).c_str(), Bool(IsWindowEnabled(window)), Bool(thread.hwndActive == window),
      Bool(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW));
  Listing listing{window, focusInside ? thread.hwndFocus : nullptr};
  EnumChildWindows(window, ListControl, reinterpret_cast<LPARAM>(&listing));
  return TRUE;
}

}  // namespace

int main() {
  for (std::string command; std::getline(std::cin, command);) {
    if (command.rfind("quit", 0) == 0) break;
    if (command.rfind("list", 0) == 0) EnumWindows(ListWindow, 0);
    std::printf("{\"done\":true}\n");
    std::fflush(stdout);
  }
  return 0;
}
