#pragma once

// The few numbers of the dialog framework that the program's code speaks in.

using HICON = int;  // an icon resource id; 0 is no icon

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

constexpr unsigned SC_CLOSE = 0xF060;
constexpr unsigned MF_STRING = 0x0000;
constexpr unsigned MF_SEPARATOR = 0x0800;

// Timers below this period run at it: a zero or negative period never spins.
constexpr int kMinimumTimerPeriodMs = 10;

// Events a control sends to its dialog.
enum class Notification { Clicked, SetFocus };
