#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

install_packages "${RUN_PACKAGES[@]}"
configure_and_build "$BUILD" -DQUELLABOX_TESTS=OFF -DQUELLABOX_BENCH=OFF
exec "$BUILD/bin/Quellabox"
