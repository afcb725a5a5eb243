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

# A Wine prefix of the tests' own, made once a run (about 12 s), in the runtime folder. Wine
# draws and focuses its windows itself (no window manager needed, and closing a window does
# not wait for one), the templates' CJK faces map to the first font res/fonts.json names for
# each, as on the Qt host, and its server stays up between tests. WINEDEBUG keeps the
# loader's errors: a missing DLL is otherwise silent.
start_wine_prefix() {
  export WINEPREFIX="$XDG_RUNTIME_DIR/wine" WINEDEBUG=-all,err+module
  local wine=/usr/lib/wine/wine64
  mkdir -p "$WINEPREFIX"
  /usr/lib/wine/wineserver -p
  "$wine" wineboot -i >/dev/null 2>&1
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
  local face family
  /usr/bin/python3 -c 'import json, sys
for face, families in json.load(open(sys.argv[1], encoding="utf-8")).items():
    print(face + "=" + families[0])' "$ROOT/res/fonts.json" | while IFS='=' read -r face family; do
    "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d "$family" \
      /f >/dev/null
  done
  for face in Tahoma "MS Shell Dlg"; do
    "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null
  done
}

stop_test_services() {
  # The prefix's server and programs end before the folder that holds the prefix goes.
  [ -z "${WINEPREFIX:-}" ] || { /usr/lib/wine/wineserver -k; /usr/lib/wine/wineserver -w; } \
    >/dev/null 2>&1 || true
  pactl exit >/dev/null 2>&1 || true
  kill "${ATSPI_PID:-}" "${DBUS_SESSION_BUS_PID:-}" "${XVFB_PID:-}" >/dev/null 2>&1 || true
  # Servers that were told to end may still be writing their last files.
  for _ in $(seq 50); do rm -rf "$XDG_RUNTIME_DIR" 2>/dev/null && break; sleep 0.1; done
}
