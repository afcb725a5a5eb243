# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts what the tests need on a machine with no display and no sound: an X server, a
# D-Bus session with the accessibility bus, and a PulseAudio server with a null sink.
# Sourced by test.sh; everything started here ends with the shell.

start_test_services() {
  local display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  # -noreset: else the server resets when its last client leaves (the buses below connect
  # and leave while they start), and a program that connects just then cannot.
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$display"
  local tries=0
  until [ -e "/tmp/.X11-unix/X$display" ]; do
    tries=$((tries + 1))
    [ "$tries" -le 100 ] || { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done

  eval "$(dbus-launch --sh-syntax)"
  export DBUS_SESSION_BUS_ADDRESS DBUS_SESSION_BUS_PID
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  ATSPI_PID=$!

  # A runtime folder of our own: the sound server started here is private to the tests,
  # so a developer's own sound server and default sink are never touched.
  XDG_RUNTIME_DIR=$(mktemp -d /tmp/quellabox-runtime.XXXXXX)
  export XDG_RUNTIME_DIR
  "$ROOT/scripts/start_sound_server.sh" >/dev/null
  trap stop_test_services EXIT
}

stop_test_services() {
  pactl exit >/dev/null 2>&1 || true
  kill "${ATSPI_PID:-}" "${DBUS_SESSION_BUS_PID:-}" "${XVFB_PID:-}" >/dev/null 2>&1 || true
  rm -rf "$XDG_RUNTIME_DIR"
}
