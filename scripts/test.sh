#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test: the style check, the
# fuzzers, the suite under AddressSanitizer and UndefinedBehaviorSanitizer, and last the
# suite itself, ending with its summary.
set -euo pipefail
source "$(dirname "$0")/common.sh"
source "$(dirname "$0")/services.sh"

TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev clang-format
  xvfb xauth dbus-x11 at-spi2-core python3-pyatspi xdotool pulseaudio pulseaudio-utils sox
  desktop-file-utils appstream imagemagick)
install_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

echo "== Style"
cd "$ROOT"
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

start_test_services
# The desktop is there now: the end-to-end tests must run, never skip.
export QUELLABOX_REQUIRE_DESKTOP=1

echo "== Fuzzers"
"$ROOT/scripts/run_fuzzers.sh" "${QUELLABOX_FUZZ_SECONDS:-15}"

echo "== Sanitizers"
configure_and_build "$ROOT/build-asan" -DQUELLABOX_SANITIZE=ON -DQUELLABOX_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$ROOT/build-asan" --output-on-failure -j2 -LE "e2e|install"

echo "== Tests"
configure_and_build "$BUILD"
ctest --test-dir "$BUILD" --output-on-failure -j2
