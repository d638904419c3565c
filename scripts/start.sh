#!/usr/bin/env bash
# Sets up, builds, assembles the sample product and starts the simulator.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${EXAMSIM_BUILD_DIR:-$root/build}"
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh"
bash "$root/scripts/assemble.sh" "$build/app"
if [ -x "$build/app/examsim" ]; then
  exec "$build/app/examsim" "$@"
fi
echo "The sample application folder is ready at $build/app."
echo "The desktop program is not built yet, so there is nothing to start."
