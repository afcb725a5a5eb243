#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a player would notice, measured in one run with public tools:
#  - start-up until the start dialog is on screen, and peak memory (max RSS from GNU time),
#    each set against a minimal Qt Widgets dialog (bench/minimal_dialog.cpp) built here;
#  - CPU use over 10 s with the main window idle, and over 10 s of a Fixed-mode game that
#    xdotool plays key by key on the game's schedule;
#  - the tick accuracy figures of the engine's benchmark.
# Usage: bench/measure_desktop.sh [BUILD_DIR]   (default: build-measure in the repository;
# a folder of your own must be configured with the benchmarks, as it is by default)
# It builds what it runs, starts Xvfb when DISPLAY is unset and a private PulseAudio server
# when none answers (so the music plays, as on a desktop), and installs nothing.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-measure}
RUNS=5          # start-ups of each program; the median counts
WINDOW_MS=10000 # each CPU measurement
START_TITLE='^Game-start dialog   \[game by orlavo\]$'
MAIN_TITLE='^VANTOSH$'
MINIMAL_TITLE='^Minimal Qt dialog$'

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

now_ms() {
  local t=${EPOCHREALTIME//[.,]/}
  echo $((t / 1000))
}

sleep_until() {
  local left=$(($1 - $(now_ms)))
  [ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
}

# Waits until a window with the title is on screen and prints its id. `xdotool search
# --sync` looks only every half second, too coarse for a start-up, so this asks in a loop.
wait_window() {
  local deadline=$(($(now_ms) + 20000)) id
  until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [ "$(now_ms)" -lt "$deadline" ] || { echo "measure_desktop: no window '$1'" >&2; exit 1; }
    sleep 0.005
  done
  echo "${id%%$'\n'*}"
}

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

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "Building in $BUILD ..." >&2
# A build folder of the caller's own keeps its settings; a new one needs no tests.
if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLABOX_TESTS=OFF \
    >"$work/configure.log" || { cat "$work/configure.log" >&2; exit 1; }
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$BUILD/CMakeCache.txt")
cmake --build "$BUILD" -j2 --target Quellabox quellabox_minimal_dialog quellabox_examples \
  quellabox_bench_tick >"$work/build.log" || { tail -n 30 "$work/build.log" >&2; exit 1; }
GAME=$BUILD/bin/Quellabox
MINIMAL=$BUILD/bin/quellabox_minimal_dialog
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

# One start-up: the time until the dialog is on screen, then Esc closes it; GNU time
# gives the peak memory of the whole run. Prints "MS KIB".
start_once() {
  local program=$1 title=$2 t0 shown pid window
  t0=$(now_ms)
  /usr/bin/time -f '%M' -o "$work/rss" "$program" >/dev/null 2>&1 &
  pid=$!
  window=$(wait_window "$title")
  shown=$(now_ms)
  sleep 1
  xdotool windowfocus "$window" key Escape
  wait "$pid" || true
  echo "$((shown - t0)) $(tail -n1 "$work/rss")"
}

echo "Starting each program $RUNS times ..." >&2
start_once "$GAME" "$START_TITLE" >/dev/null # warm the file cache for both
start_once "$MINIMAL" "$MINIMAL_TITLE" >/dev/null
for _ in $(seq "$RUNS"); do
  start_once "$GAME" "$START_TITLE" >>"$work/game_starts"
  start_once "$MINIMAL" "$MINIMAL_TITLE" >>"$work/minimal_starts"
done
game_ms=$(cut -d' ' -f1 "$work/game_starts" | median)
minimal_ms=$(cut -d' ' -f1 "$work/minimal_starts" | median)
game_kib=$(cut -d' ' -f2 "$work/game_starts" | median)
minimal_kib=$(cut -d' ' -f2 "$work/minimal_starts" | median)

echo "Measuring CPU with the windows idle ..." >&2
"$MINIMAL" >/dev/null 2>&1 &
minimal_pid=$!
started+=("$minimal_pid")
wait_window "$MINIMAL_TITLE" >/dev/null
minimal_idle=$(cpu_percent "$minimal_pid" $(($(now_ms) + 2000)))
kill "$minimal_pid"

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

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }

echo
echo "Quellabox on the desktop: ${build_type:-default} build, $(nproc) cores, $screen, $sound"
printf '%-44s %12s %15s %7s\n' "" "game" "minimal dialog" "ratio"
printf '%-44s %12s %15s %7s\n' "start-up to dialog shown (median of $RUNS)" "$game_ms ms" \
  "$minimal_ms ms" "$(ratio "$game_ms" "$minimal_ms")"
printf '%-44s %12s %15s %7s\n' "peak memory, max RSS (median of $RUNS)" "$(mib "$game_kib")" \
  "$(mib "$minimal_kib")" "$(ratio "$game_kib" "$minimal_kib")"
printf '%-44s %12s %15s\n' "CPU, idle window, 10 s (goal: game < 0.5 %)" "$game_idle %" \
  "$minimal_idle %"
printf '%-44s %12s\n' "CPU, idle window, music off, 10 s" "$game_quiet %"
printf '%-44s %12s   (%s)\n' "CPU, Fixed-mode game, 10 s from its 1st tick" "$game_play %" "$played"
echo "(CPU from /proc in clock ticks of $((1000 / $(getconf CLK_TCK))) ms: about 0.1 % over 10 s)"
echo
echo "Tick accuracy (quellabox_bench_tick):"
grep -i 'error' "$work/ticks" || sed 's/^/  /' "$work/ticks"
