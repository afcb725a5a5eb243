#!/usr/bin/env bash
# Builds the libFuzzer target with clang in build-fuzz/ and runs it for SECONDS (default
# 20) on a copy of its seed corpus. Exits non-zero when it finds a crash, a leak,
# undefined behaviour or a broken rule; the input that did it lands in
# build-fuzz/run/TARGET/artifacts/.
# Usage: scripts/run_fuzzers.sh [SECONDS]
set -euo pipefail

seconds=${1:-20}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-fuzz"
targets=(fuzz_key_file)

cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2

# Each target writes every input to a temporary file: on tmpfs that waits for no disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

failed=()
for target in "${targets[@]}"; do
  work="$build/run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp "$root/tests/fuzz/corpus/$target/"* "$work/corpus/"
  echo "== $target: $seconds s"
  "$build/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" || failed+=("$target")
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in $build/run/*/artifacts/)" >&2
  exit 1
fi
echo "No findings."
