// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// win-inspect: reads the windows of every program on the Wine desktop from outside, as a
// screen reader would, for the tests that play the game under Wine. Each line of its input
// is a command: "list" answers with one JSON line for every visible top-level window, one
// for each of its controls, then {"done":true}; "quit" ends it. "list POINTS FACE" measures
// each text in that font, a dialog template's (another program's fonts cannot be asked
// for), plain "list" in the font of message boxes: a text control tells the room its text
// has and the size the text needs there.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

// The text of a window of any program: WM_GETTEXT crosses process boundaries.
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 500, &length);
  std::wstring text(length + 1, L'\0');
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 500, &length);
  text.resize(length);
  return text;
}

// A JSON string: printable ASCII as it is, everything else escaped.
std::string Json(const std::wstring& text) {
  std::string json = "\"";
  for (const wchar_t c : text) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
    json += c < 0x20 || c > 0x7E || c == L'"' || c == L'\\' ? escaped : std::string(1, char(c));
  }
  return json + "\"";
}

const char* Bool(bool value) { return value ? "true" : "false"; }

HFONT g_font = nullptr;  // the font texts are measured in

// The font of the "list" command: the template's, or the system's for message boxes.
void ChooseFont(const std::string& command) {
  if (g_font) DeleteObject(g_font);
  int points = 0;
  char face[LF_FACESIZE * 3] = {};
  if (std::sscanf(command.c_str(), "list %d %95[^\n]", &points, face) == 2) {
    std::wstring wide(LF_FACESIZE, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, face, -1, wide.data(), LF_FACESIZE);
    g_font = CreateFontW(-MulDiv(points, 96, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                         DEFAULT_CHARSET, 0, 0, 0, 0, wide.c_str());
  } else {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    g_font = CreateFontIndirectW(&metrics.lfMessageFont);
  }
}

// How a static text or a push button lays its text out: the flags DrawText takes for it, and
// the room it leaves the text (inside a button's frame and margins). None for other controls.
std::optional<UINT> TextLayout(HWND control, RECT& room) {
  wchar_t kind[16] = {};
  GetClassNameW(control, kind, 16);
  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  if (lstrcmpiW(kind, L"Static") == 0) {
    const LONG_PTR type = style & SS_TYPEMASK;
    if (type > SS_RIGHT && type != SS_LEFTNOWORDWRAP) return std::nullopt;
    return (style & SS_NOPREFIX ? DT_NOPREFIX : 0) |
           (type == SS_LEFTNOWORDWRAP || style & SS_CENTERIMAGE ? DT_SINGLELINE : DT_WORDBREAK);
  }
  if (lstrcmpiW(kind, L"Button") != 0) return std::nullopt;
  const LONG_PTR type = style & BS_TYPEMASK;
  if (type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON) return std::nullopt;
  const int frame = type == BS_DEFPUSHBUTTON ? 4 : 3;
  InflateRect(&room, -frame, -frame);
  return style & BS_MULTILINE ? DT_WORDBREAK : DT_SINGLELINE;
}

// ,"room":[w,h],"needs":[w,h] of a text control: its room, and what its text takes there.
std::string Measure(HWND control) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, g_font);
  RECT room{};
  GetClientRect(control, &room);
  char json[96] = {};
  if (const std::optional<UINT> flags = TextLayout(control, room)) {
    RECT needs{0, 0, room.right - room.left, 0};
    DrawTextW(dc, TextOf(control).c_str(), -1, &needs, *flags | DT_EXPANDTABS | DT_CALCRECT);
    std::snprintf(json, sizeof json, ",\"room\":[%ld,%ld],\"needs\":[%ld,%ld]",
                  room.right - room.left, room.bottom - room.top, needs.right, needs.bottom);
  }
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return json;
}

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
      "\"enabled\":%s,\"focused\":%s,\"image\":%s%s}\n",
      GetDlgCtrlID(control), Id(reinterpret_cast<HWND>(top)),
      Json(picture ? L"" : TextOf(control)).c_str(), rect.left, rect.top, rect.right, rect.bottom,
      Bool(IsWindowVisible(control)), Bool(IsWindowEnabled(control)),
      Bool(thread.hwndFocus == control), Bool(picture), picture ? "" : Measure(control).c_str());
  return TRUE;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  std::printf(
      "{\"window\":%llu,\"caption\":%s,\"owner\":%llu,\"active\":%s,\"appwindow\":%s,"
      "\"client\":[%ld,%ld,%ld,%ld]}\n",
      Id(window), Json(TextOf(window)).c_str(), Id(GetWindow(window, GW_OWNER)),
      Bool(thread.hwndActive == window),
      Bool(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW), client.left, client.top,
      client.right, client.bottom);
  EnumChildWindows(window, ListControl, reinterpret_cast<LPARAM>(window));
  return TRUE;
}

}  // namespace

int main() {
  for (std::string command; std::getline(std::cin, command) && command.rfind("quit", 0) != 0;) {
    if (command.rfind("list", 0) == 0) {
      ChooseFont(command);
      EnumWindows(ListWindow, 0);
    }
    std::printf("{\"done\":true}\n");
    std::fflush(stdout);
  }
  return 0;
}
