#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Compiles every source of the plain C++ layers (seam, data, game, ui) for Windows with
# MinGW-w64 and <windows.h> included first, so that none of our names is one of its macros
# and nothing there leans on a Linux-only interface.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
compiler=(x86_64-w64-mingw32-g++-posix -std=c++17 -Wall -Wextra -Werror
  -DQUELLABOX_WEBSITE="\"https://example.com/\"")
# <windows.h> precompiled once: parsing it takes longer than any of our files.
pch=$(mktemp -d)
trap 'rm -rf "$pch"' EXIT
echo '#include <windows.h>' >"$pch/windows_first.h"
"${compiler[@]}" -x c++-header "$pch/windows_first.h" -o "$pch/windows_first.h.gch"
printf "%s\n" seam/*.cpp res/*.cpp data/*.cpp game/*.cpp ui/*.cpp |
  xargs -P "$(nproc)" -I{} "${compiler[@]}" -I. -include "$pch/windows_first.h" -fsyntax-only {}
echo "The plain layers compile for Windows."
