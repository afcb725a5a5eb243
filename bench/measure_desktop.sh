#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a player would notice, measured in one run with public tools:
#  - start-up until the start dialog is on screen, and peak memory (max RSS from GNU time),
#    each set against a floor built here that does the game's first job and nothing else
#    (bench/minimal_start_dialog.cpp: the start dialog's template and the looping music);
#  - CPU use over 10 s with the main window idle, and over 10 s of a Fixed-mode game that
#    xdotool plays key by key on the game's schedule;
#  - the tick accuracy figures of the engine's benchmark.
# Usage: bench/measure_desktop.sh [BUILD_DIR]   (default: build-measure in the repository;
# a folder of your own must be configured with the benchmarks, as it is by default)
# It builds what it runs, starts Xvfb when DISPLAY is unset and a private PulseAudio server
# when none answers (so the music plays, as on a desktop), and installs nothing.
set -euo pipefail
source "$(dirname "$0")/figures.sh"

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-measure}
RUNS=11         # start-ups of each program, in turn; the median counts
WINDOW_MS=10000 # each CPU measurement
START_TITLE='^Game-start dialog   \[game by orlavo\]$' # the floor's too: the same template
MAIN_TITLE='^VANTOSH$'

missing=()
need() { command -v "$1" >/dev/null 2>&1 || missing+=("$1 (Debian package $2)"); }
need cmake cmake
need ninja ninja-build
need xdotool xdotool
need /usr/bin/time time
need strace strace
[ -n "${DISPLAY:-}" ] || need Xvfb xvfb
if [ ${#missing[@]} -gt 0 ]; then
  printf 'measure_desktop: missing %s\n' "${missing[@]}" >&2
  exit 1
fi

work=$(mktemp -d)
started=()
cleanup() {
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
  if [ -n "${OWN_PULSE:-}" ]; then
    pactl exit >/dev/null 2>&1 || true
    # pactl returns before the server has left its runtime folder, which is inside $work.
    for _ in $(seq 100); do
      [ -e "$XDG_RUNTIME_DIR/pulse/pid" ] || break
      sleep 0.05
    done
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# CPU time of a process so far, in clock ticks.
cpu_ticks() {
  local stat fields
  stat=$(<"/proc/$1/stat")
  read -ra fields <<<"${stat##*) }" # from the third field, the state, on
  echo $((fields[11] + fields[12]))  # utime and stime
}

# CPU use of a process over the next WINDOW_MS from `from` (ms), as a percentage of a core.
cpu_percent() {
  local pid=$1 from=$2 before after
  sleep_until "$from"
  before=$(cpu_ticks "$pid")
  sleep_until $((from + WINDOW_MS))
  after=$(cpu_ticks "$pid")
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v ms=$WINDOW_MS \
    'BEGIN { printf "%.1f", 100 * t / hz / (ms / 1000) }'
}

# Clicks a control of the main window at the centre of its rectangle in dialog units
# (res/dialogs/102.json: 357 x 175 units), scaled to the window's size on screen.
click_control() {
  local window=$1 x=$2 y=$3 w=$4 h=$5 WIDTH HEIGHT
  eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
  xdotool mousemove --window "$window" $(((2 * x + w) * WIDTH / 714)) \
    $(((2 * y + h) * HEIGHT / 350)) click 1
}

echo "Building in $BUILD ..." >&2
# A build folder of the caller's own keeps its settings; a new one needs no tests.
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELLABOX_TESTS=OFF \
    >"$work/configure.log" || { cat "$work/configure.log" >&2; exit 1; }
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
cmake --build "$BUILD" -j2 --target Quellabox quellabox_minimal_start_dialog quellabox_examples \
  quellabox_bench_tick >"$work/build.log" || { tail -n 30 "$work/build.log" >&2; exit 1; }
GAME=$BUILD/bin/Quellabox
FLOOR=$BUILD/bin/quellabox_minimal_start_dialog
KEY_FILE=$BUILD/examples/long_mixed.vts

if [ -z "${DISPLAY:-}" ]; then
  display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  started+=($!)
  export DISPLAY=:$display
  until [ -e "/tmp/.X11-unix/X$display" ]; do sleep 0.05; done
  screen="Xvfb 1280x1024"
else
  screen="display $DISPLAY"
fi

if command -v pactl >/dev/null 2>&1 && pactl info >/dev/null 2>&1; then
  sound="music on the running sound server"
elif command -v pulseaudio >/dev/null 2>&1 && command -v pactl >/dev/null 2>&1; then
  XDG_RUNTIME_DIR=$work/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
  "$ROOT/scripts/start_sound_server.sh" >/dev/null
  OWN_PULSE=1
  sound="music on a PulseAudio null sink"
else
  sound="music silent: no sound server"
fi

echo "Starting the game and its floor in turn, $RUNS times each ..." >&2
game=("$GAME") floor=("$FLOOR")
compare_start_ups "$RUNS" "$START_TITLE" game floor >"$work/start_ups"

echo "Measuring CPU with the windows idle ..." >&2
"$FLOOR" >/dev/null 2>&1 &
floor_pid=$!
started+=("$floor_pid")
wait_window "$START_TITLE" >/dev/null
floor_idle=$(cpu_percent "$floor_pid" $(($(now_ms) + 2000)))
kill "$floor_pid"
wait "$floor_pid" || true

"$GAME" >/dev/null 2>&1 &
game_pid=$!
started+=("$game_pid")
wait_window "$START_TITLE" >/dev/null
xdotool key Return
main=$(wait_window "$MAIN_TITLE")
game_idle=$(cpu_percent "$game_pid" $(($(now_ms) + 2000)))
click_control "$main" 71 158 74 14 # the music off
game_quiet=$(cpu_percent "$game_pid" $(($(now_ms) + 2000)))
click_control "$main" 71 158 74 14 # and on again for the game

echo "Playing a Fixed-mode game ..." >&2
click_control "$main" 239 158 53 14 # Fixed mode
wait_window '^Open$' >/dev/null
xdotool type --delay 5 "$KEY_FILE"
xdotool key Return
until [ "$(xdotool search --onlyvisible --name '^Open$' 2>/dev/null)" = "" ]; do sleep 0.05; done
click_control "$main" 154 102 47 14 # the input box: the countdown starts
clicked=$(now_ms)
# The countdown shows 3, 2, 1 for two seconds, then the first tick comes one 700 ms interval
# later and shows the first key; every tick after it judges the key shown since the one
# before and shortens the interval, 20 ms at a time down to 600 ms, then 5 ms at a time.
# Each key is typed halfway between the tick that shows it and the tick that judges it.
keys=$(tail -c +9 "$KEY_FILE")
first_tick=$((clicked + 2000 + 700))
(
  tick=$first_tick interval=700
  for ((i = 0; i < ${#keys}; i++)); do
    if [ "$interval" -ge 600 ]; then interval=$((interval - 20)); else interval=$((interval - 5)); fi
    sleep_until $((tick + interval / 2))
    xdotool type "${keys:i:1}"
    tick=$((tick + interval))
  done
) &
player=$!
started+=("$player")
game_play=$(cpu_percent "$game_pid" "$first_tick")
# A game that has ended, won or lost, reads its key file no more: the next tick's read
# shows the game was still going when the measurement ended.
reads=$(timeout 2 strace -qq -e trace=openat -e signal=none -p "$game_pid" 2>&1 |
  grep -c "$KEY_FILE" || true)
kill "$player" "$game_pid" 2>/dev/null || true
if [ "$reads" -gt 0 ]; then played="the game was still on at the end"; else
  played="THE GAME HAD ENDED before the end: the figure covers less than a game"
fi

echo "Running quellabox_bench_tick ..." >&2
QT_QPA_PLATFORM=offscreen "$BUILD/bin/quellabox_bench_tick" --benchmark_filter='^$' \
  >"$work/ticks" 2>&1 || true

echo
echo "Quellabox on the desktop: ${build_type:-default} build, $(nproc) cores, $screen, $sound"
cat "$work/start_ups"
echo
printf '%-44s %12s %15s\n' "" "game" "floor"
printf '%-44s %12s %15s\n' "CPU, idle window, 10 s (goal: game < 0.5 %)" "$game_idle %" \
  "$floor_idle %"
printf '%-44s %12s\n' "CPU, idle window, music off, 10 s" "$game_quiet %"
printf '%-44s %12s   (%s)\n' "CPU, Fixed-mode game, 10 s from its 1st tick" "$game_play %" "$played"
echo "(CPU from /proc in clock ticks of $((1000 / $(getconf CLK_TCK))) ms: about 0.1 % over 10 s)"
echo
echo "Tick accuracy (quellabox_bench_tick):"
grep -i 'error' "$work/ticks" || sed 's/^/  /' "$work/ticks"
