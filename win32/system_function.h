// SPDX-FileCopyrightText: 2026 Quellabox maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

// A function of a system library, loaded when it is first asked for, not with the program:
// the start dialog needs none of these libraries, and they cost start-up time and memory
// (the Open dialog's brings in the printing system). Only the system's own folder is looked
// in, never the program's, which the player may share with anything. Null when the library
// or the function is missing.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module) return nullptr;
  // Through the one function type every other may be cast to and from without a warning.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}
