#!/usr/bin/env bash
# Assembles the sample product into an application folder (default: build/app).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${EXAMSIM_BUILD_DIR:-$root/build}"
app="${1:-$build/app}"
"$build/tools/examsim-pack/examsim-pack" assemble "$root/product" "$app"
if [ -x "$build/src/desktop/examsim" ]; then
  cp "$build/src/desktop/examsim" "$app/examsim"
fi
# The update helper lives beside the program.
if [ -x "$build/tools/examsim-upgrade/examsim-upgrade" ]; then
  cp "$build/tools/examsim-upgrade/examsim-upgrade" "$app/examsim-upgrade"
fi
