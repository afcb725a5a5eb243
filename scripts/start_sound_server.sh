#!/bin/sh
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes sure a PulseAudio server answers and that its default sink is a null sink, so the
# program's music can be recorded from the sink's monitor on machines without a sound
# card. Safe to run again; prints the sink's name. Fails when no server can be had.
set -eu

sink=quellabox_null

if ! command -v pactl >/dev/null 2>&1; then
  echo "start_sound_server: pactl not found (Debian package pulseaudio-utils)" >&2
  exit 1
fi

if ! pactl info >/dev/null 2>&1; then
  if ! command -v pulseaudio >/dev/null 2>&1; then
    echo "start_sound_server: pulseaudio not found (Debian package pulseaudio)" >&2
    exit 1
  fi
  # Never exit when idle: tests may connect long after the start. As root it warns that
  # it is meant for users; a per-user server is what a desktop session would have. It may
  # also fail because a server started meanwhile, so what counts is whether one answers.
  log=$(pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false 2>&1) || true
  tries=0
  until pactl info >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
      echo "start_sound_server: no PulseAudio server answers: $log" >&2
      exit 1
    fi
    sleep 0.1
  done
fi

if ! pactl list short sinks | awk '{print $2}' | grep -qx "$sink"; then
  pactl load-module module-null-sink sink_name="$sink" >/dev/null
fi
pactl set-default-sink "$sink"
echo "$sink"
