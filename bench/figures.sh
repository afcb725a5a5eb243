# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the bench scripts share: the clock, waiting for a window, the start-ups of the game
# and its floor taken in turn, and the figures (median, spread, ratio). Sourced, not
# run; the start-ups need xdotool and GNU time, and an X display.

now_ms() {
  local t=${EPOCHREALTIME//[.,]/}
  echo $((t / 1000))
}

sleep_until() {
  local left=$(($1 - $(now_ms)))
  [ "$left" -le 0 ] || sleep "$((left / 1000)).$(printf '%03d' $((left % 1000)))"
}

# Waits until a window whose title matches is on screen and prints its id. `xdotool search
# --sync` looks only every half second, too coarse for a start-up, so this asks in a loop.
wait_window() {
  local deadline=$(($(now_ms) + 20000)) id
  until id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    [ "$(now_ms)" -lt "$deadline" ] || { echo "no window '$1' on screen" >&2; return 1; }
    sleep 0.005
  done
  echo "${id%%$'\n'*}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# summary FILE FIELD DIVISOR FORMAT UNIT: the median of a column of samples and, in
# brackets, their spread, each divided and printed by the format: "48 ms (41-63)".
summary() {
  cut -d' ' -f"$2" "$1" | sort -n | awk -v d="$3" -v f="$4" -v unit="$5" '
    { v[NR] = $1 / d }
    END { printf f " %s (" f "-" f ")", v[int((NR + 1) / 2)], unit, v[1], v[NR] }'
}

# One start-up of the command: the time until a window titled TITLE is on screen, then a
# second with it open (the music under way), then Esc. Prints "MS KIB KIB": the start-up,
# the peak memory until then (the process's VmHWM as the window is closed) and that of the
# whole run (GNU time), which also counts what the program does after the window.
start_once() {
  local title=$1 t0 shown pid rss at_window
  shift
  rss=$(mktemp)
  t0=$(now_ms)
  /usr/bin/time -f '%M' -o "$rss" "$@" >/dev/null 2>&1 &
  pid=$!
  wait_window "$title" >/dev/null || { kill "$pid"; rm -f "$rss"; return 1; }
  shown=$(now_ms)
  sleep 1
  at_window=$(awk '/^VmHWM:/ { print $2 }' "/proc/$(pgrep -P "$pid")/status")
  xdotool key Escape
  wait "$pid" || true
  echo "$((shown - t0)) $at_window $(tail -n1 "$rss")"
  rm -f "$rss"
}

# figure_row SAMPLES LABEL FIELD DIVISOR FORMAT UNIT: a row of the figures from a field of
# the samples of the game and its floor in the folder, and the ratio of their medians.
figure_row() {
  local game=$1/game floor=$1/floor label=$2
  shift 2
  printf '%-42s %24s %24s %6s\n' "$label" "$(summary "$game" "$@")" "$(summary "$floor" "$@")" \
    "$(ratio "$(cut -d' ' -f"$1" "$game" | median)" "$(cut -d' ' -f"$1" "$floor" | median)")"
}

# compare_start_ups RUNS TITLE GAME FLOOR, the two commands named as arrays, both showing
# a window titled TITLE: starts them in turn, once each to warm the caches, then RUNS times
# each, and prints a row for each figure of start_once: the medians, the spreads and the
# game's ratio to its floor.
compare_start_ups() {
  local runs=$1 title=$2 samples i
  local -n game_command=$3 floor_command=$4
  samples=$(mktemp -d)
  start_once "$title" "${game_command[@]}" >/dev/null
  start_once "$title" "${floor_command[@]}" >/dev/null
  for ((i = 0; i < runs; i++)); do
    start_once "$title" "${game_command[@]}" >>"$samples/game"
    start_once "$title" "${floor_command[@]}" >>"$samples/floor"
  done
  printf '%-42s %24s %24s %6s\n' "median of $runs (spread)" game floor ratio
  figure_row "$samples" "start-up to the start dialog shown" 1 1 %.0f ms
  figure_row "$samples" "peak memory to the start dialog (VmHWM)" 2 1024 %.1f MiB
  figure_row "$samples" "peak memory of the run to Esc (max RSS)" 3 1024 %.1f MiB
  rm -rf "$samples"
}
