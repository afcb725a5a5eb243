#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quellabox maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds the game and runs every test: the style and licence
# checks, the Windows build, the suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# the whole suite, the Windows program and packages under Wine, and the browser build played
# in Chromium, each stage ending with ctest's summary. It runs the same whatever build/ holds
# from before, and fails when a stage finds no tests.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/services.sh"

TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang-format
  xvfb xauth dbus-x11 at-spi2-core python3-pyatspi xdotool pulseaudio pulseaudio-utils sox strace
  x11-utils desktop-file-utils appstream make dpkg-dev file lintian reuse
  g++-mingw-w64-x86-64-posix wine64 nsis unzip emscripten chromium)
install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

# Each stage's header says how long the run has taken so far, so a slow stage shows in CI.
stage() { echo "== $1 (at $((SECONDS / 60)) min $((SECONDS % 60)) s)"; }

stage Style
cd "$ROOT"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

stage "Licences"
reuse lint --quiet || reuse lint

stage "Windows build"
# The whole game cross-built with MinGW-w64, as README says; its tests run last, under Wine.
configure_and_build "$ROOT/build-windows" --toolchain "$ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQUELLABOX_TESTS=ON -DQUELLABOX_BENCH=ON

start_test_services
# The desktop is there now: the end-to-end tests must run, never skip.
export QUELLABOX_REQUIRE_DESKTOP=1

stage "Sanitizers"
# With Makefiles, CMake's default: unlike Ninja, they miss a file generated in one folder and
# used in another unless a target-level dependency links the two.
GENERATOR="Unix Makefiles" configure_and_build "$ROOT/build-asan-make" -DQUELLABOX_SANITIZE=ON \
  -DQUELLABOX_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$ROOT/build-asan-make" --output-on-failure --no-tests=error -j2 \
  -LE "e2e|install"

stage "Tests"
# Asked for by name: scripts/play.sh configures the same folder without them.
configure_and_build "$BUILD" -DQUELLABOX_TESTS=ON -DQUELLABOX_BENCH=ON
ctest --test-dir "$BUILD" --output-on-failure --no-tests=error -j2

stage "Windows under Wine"
start_wine_prefix
ctest --test-dir "$ROOT/build-windows" --output-on-failure --no-tests=error

stage "Browser"
# Built as README says, then played in headless Chromium with the npm package the test
# drives it with (npm comes with Node; Debian's own npm package is not needed).
# emcc's tools run on the node on PATH, which finds Debian's acorn only through NODE_PATH.
export NODE_PATH=/usr/share/nodejs
# The generated assets are those the Windows build made natively above. The web benchmarks
# (bench/measure_web.sh builds them) would add a slow link each.
emcmake cmake -S "$ROOT" -B "$ROOT/build-web" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUELLABOX_NATIVE_ASSETS="$ROOT/build-windows/native-assets" -DQUELLABOX_BENCH=OFF
cmake --build "$ROOT/build-web" -j"$(nproc)"
(cd "$ROOT/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
ctest --test-dir "$ROOT/build-web" --output-on-failure --no-tests=error
stage Done
