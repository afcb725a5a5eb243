#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a Windows player would notice, measured under Wine in one run with public tools:
#  - start-up until the start dialog is on screen, and the peak memory of the program's own
#    process (max RSS from GNU time; Wine's shared services are not counted), each set
#    against a minimal Win32 dialog (bench/minimal_win32_dialog.cpp) built the same way;
#  - the tick accuracy of the engine on the Windows host (bench/win32_tick_bench.cpp).
# Usage: bench/measure_wine.sh [BUILD_DIR]   (default: build-windows in the repository)
# It builds what it runs with the MinGW-w64 toolchain, and starts an X server, a sound
# server and a Wine prefix of its own, as scripts/test.sh does; it installs nothing.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"
source "$ROOT/scripts/services.sh"
BUILD=${1:-$ROOT/build-windows}
RUNS=5 # start-ups of each program; the median counts
WINE=/usr/lib/wine/wine64

echo "Building in $BUILD ..." >&2
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja --toolchain "$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$BUILD" --target Quellabox quellabox_minimal_win32_dialog \
  quellabox_bench_tick_windows >/dev/null

echo "Starting an X server, a sound server and a Wine prefix ..." >&2
start_test_services
start_wine_prefix
work=$XDG_RUNTIME_DIR
cp "$BUILD/bin/Quellabox.exe" "$BUILD/native-assets/bin/BackgroundMusic.wav" "$work/"

now_ms() {
  local t=${EPOCHREALTIME//[.,]/}
  echo $((t / 1000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One start-up: the time until the window is on screen, then Esc closes it; GNU time gives
# the peak memory of the whole run. Prints "MS KIB".
start_once() {
  local program=$1 title=$2 t0 shown pid
  t0=$(now_ms)
  /usr/bin/time -f '%M' -o "$work/rss" "$WINE" "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.005; done
  shown=$(now_ms)
  sleep 0.5
  xdotool key Escape
  wait "$pid" || true
  echo "$((shown - t0)) $(tail -n1 "$work/rss")"
}

echo "Starting each program $RUNS times ..." >&2
game=$work/Quellabox.exe minimal=$BUILD/bin/quellabox_minimal_win32_dialog.exe
start_once "$game" '^Game-start dialog' >/dev/null # warm the caches for both
start_once "$minimal" '^Minimal Win32 dialog$' >/dev/null
for _ in $(seq "$RUNS"); do
  start_once "$game" '^Game-start dialog' >>"$work/game_starts"
  start_once "$minimal" '^Minimal Win32 dialog$' >>"$work/minimal_starts"
done
game_ms=$(cut -d' ' -f1 "$work/game_starts" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal_starts" | median)
game_kib=$(cut -d' ' -f2 "$work/game_starts" | median)
minimal_kib=$(cut -d' ' -f2 "$work/minimal_starts" | median)

echo "Playing a Random game down to the 10 ms floor (about 45 s) ..." >&2
ticks=$("$WINE" "$BUILD/bin/quellabox_bench_tick_windows.exe" 2>/dev/null)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
echo
echo "Quellabox under Wine $("$WINE" --version 2>/dev/null), $(nproc) cores, Xvfb, a warm prefix"
printf '%-44s %12s %15s %7s\n' "" "game" "minimal dialog" "ratio"
printf '%-44s %12s %15s %7s\n' "start-up to dialog shown (median of $RUNS)" "$game_ms ms" \
  "$minimal_ms ms" "$(ratio "$game_ms" "$minimal_ms")"
printf '%-44s %12s %15s %7s\n' "peak memory, max RSS (median of $RUNS)" "$(mib "$game_kib")" \
  "$(mib "$minimal_kib")" "$(ratio "$game_kib" "$minimal_kib")"
echo
echo "Tick accuracy (quellabox_bench_tick_windows):"
echo "$ticks"
