#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the game and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# The game opens on the desktop: say so now rather than after installing and building.
no_desktop() {
  echo "play.sh: VANTOSH needs a desktop session, but $1" >&2
  exit 1
}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  no_desktop "neither DISPLAY nor WAYLAND_DISPLAY names one"
fi
if [ -z "${WAYLAND_DISPLAY:-}" ] && command -v xdpyinfo >/dev/null && ! xdpyinfo >/dev/null 2>&1; then
  no_desktop "the display \"$DISPLAY\" does not answer"
fi

install_packages "${RUN_PACKAGES[@]}"
configure_and_build "$BUILD" -DQUELLABOX_TESTS=OFF -DQUELLABOX_BENCH=OFF
exec "$BUILD/bin/Quellabox"
