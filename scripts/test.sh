#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then the logic core
# again under the address and undefined-behaviour sanitizers, then each fuzz
# target for a short time.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${EXAMSIM_BUILD_DIR:-$root/build}"
jobs="${EXAMSIM_JOBS:-2}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
bash "$root/scripts/assemble.sh" "$build/app" > /dev/null
status=0
(cd "$build" && ctest --output-on-failure -j "$jobs") || status=1

if [ "${EXAMSIM_SKIP_SANITIZE:-0}" != 1 ]; then
  san="$build-sanitize"
  EXAMSIM_BUILD_DIR="$san" EXAMSIM_BUILD_TYPE=Debug bash "$root/scripts/build.sh" \
    -DEXAMSIM_SANITIZE=ON -DEXAMSIM_DESKTOP=OFF -DEXAMSIM_BENCH=OFF
  (cd "$san" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest --output-on-failure -j "$jobs" -E 'desktop|js') || status=1
fi

# Each fuzz target for a short, bounded time (a longer run: scripts/fuzz.sh 600).
if [ "${EXAMSIM_SKIP_FUZZ:-0}" != 1 ]; then
  bash "$root/scripts/fuzz.sh" "${EXAMSIM_FUZZ_SECONDS:-20}" || status=1
fi
exit $status
