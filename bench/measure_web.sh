#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a player of the browser build would notice, measured in one run in headless Chromium
# (bench/measure_web.mjs): page load to the start dialog on screen, cold and warm, against
# the floor, the start dialog and its music on the web host built the same way
# (bench/minimal_web_start_dialog.cpp); the page's transferred size; and the tick accuracy of
# the engine on the web host (bench/web_tick_bench.cpp).
# Usage: bench/measure_web.sh [BUILD_DIR]   (default: build-web in the repository)
# It builds what it runs with emcmake, as README says, and installs the test's npm package
# when missing; it installs nothing else.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-web}
# emcc's tools run on the node on PATH, which finds Debian's acorn only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs

echo "Building in $BUILD ..." >&2
emcmake cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELLABOX_BENCH=ON \
  >/dev/null
cmake --build "$BUILD" --target Quellabox quellabox_minimal_web_start_dialog \
  quellabox_bench_tick_web >/dev/null
[ -d "$ROOT/tests/web/node_modules" ] ||
  (cd "$ROOT/tests/web" && npm ci --no-audit --no-fund --loglevel=error)

echo "Loading the game's page and the floor's 2 x 12 times each ..." >&2
node "$ROOT/bench/measure_web.mjs" "$BUILD/site" "$BUILD/bench/floor" "$BUILD/bench/tick"
