#!/usr/bin/env bash
# Configures and builds the project into build/ (or $EXAMSIM_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${EXAMSIM_BUILD_DIR:-$root/build}"
jobs="${EXAMSIM_JOBS:-2}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${EXAMSIM_BUILD_TYPE:-RelWithDebInfo}" "$@" > /dev/null
cmake --build "$build" -j "$jobs"
