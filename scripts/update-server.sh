#!/usr/bin/env bash
# Serves an update to the sample product on http://127.0.0.1:8765/ (its live_update
# address) until Ctrl+C. Without a folder it makes one in build/update-server with a
# newer version, a newsletter and a small update package; with FOLDER it serves that
# (version.txt, newsletter.zip, patch.zip: see scripts/update_server.py).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${EXAMSIM_BUILD_DIR:-$root/build}"
folder="${1:-}"
if [ -z "$folder" ]; then
  folder="$build/update-server"
  mkdir -p "$folder"
  python3 - "$folder" <<'PY'
import sys, zipfile, pathlib
folder = pathlib.Path(sys.argv[1])
(folder / "version.txt").write_text("99")
with zipfile.ZipFile(folder / "newsletter.zip", "w") as z:
    z.writestr("index.html", "<!DOCTYPE html><html><head><meta charset='utf-8'><title>News</title></head>"
               "<body><h1>What is new</h1><p>An updated question set is ready.</p></body></html>")
with zipfile.ZipFile(folder / "patch.zip", "w") as z:
    z.writestr("update-note.txt", "This application folder was updated by the live update.\n")
PY
fi
exec python3 "$root/scripts/update_server.py" "$folder" --port "${EXAMSIM_UPDATE_PORT:-8765}"
