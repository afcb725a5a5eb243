#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows player would notice, measured under Wine in one run with public tools:
#  - start-up until the start dialog is on screen, and the peak memory of the program's own
#    process (max RSS from GNU time; Wine's shared services are not counted), each set
#    against a floor built the same way that does the game's first job and nothing else
#    (bench/minimal_win32_start_dialog.cpp: the start dialog's template and the music);
#  - the tick accuracy of the engine on the Windows host (bench/win32_tick_bench.cpp).
# Usage: bench/measure_wine.sh [BUILD_DIR]   (default: build-windows in the repository)
# It builds what it runs with the MinGW-w64 toolchain, and starts an X server, a sound
# server and a Wine prefix of its own, as scripts/test.sh does; it installs nothing.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
source "$ROOT/scripts/services.sh"
source "$ROOT/bench/figures.sh"
BUILD=${1:-$ROOT/build-windows}
RUNS=11 # start-ups of each program, in turn; the median counts
START_TITLE='^Game-start dialog   \[game by orlavo\]$' # the floor's too: the same template
WINE=/usr/lib/wine/wine64

echo "Building in $BUILD ..." >&2
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja --toolchain "$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$BUILD" --target Quellabox quellabox_minimal_win32_start_dialog \
  quellabox_bench_tick_windows >/dev/null

echo "Starting an X server, a sound server and a Wine prefix ..." >&2
start_test_services
start_wine_prefix
work=$XDG_RUNTIME_DIR
# Side by side, so both play the same track from the same folder.
cp "$BUILD/bin/Quellabox.exe" "$BUILD/bin/quellabox_minimal_win32_start_dialog.exe" \
  "$BUILD/native-assets/bin/BackgroundMusic.wav" "$work/"

echo "Starting the game and its floor in turn, $RUNS times each ..." >&2
game=("$WINE" "$work/Quellabox.exe") floor=("$WINE" "$work/quellabox_minimal_win32_start_dialog.exe")
compare_start_ups "$RUNS" "$START_TITLE" game floor >"$work/start_ups"

echo "Playing a Random game down to the 10 ms floor (about 45 s) ..." >&2
ticks=$("$WINE" "$BUILD/bin/quellabox_bench_tick_windows.exe" 2>/dev/null)

echo
echo "Quellabox under Wine $("$WINE" --version 2>/dev/null), $(nproc) cores, Xvfb, a warm prefix," \
  "music on a PulseAudio null sink"
cat "$work/start_ups"
echo
echo "Tick accuracy (quellabox_bench_tick_windows):"
echo "$ticks"
