#!/usr/bin/env bash
# Starts the windows under Xvfb and saves what a person would see:
# each window grabbed by itself, and the whole screen while the help window is up.
# Usage: scripts/screenshots.sh [output folder]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
# A virtual display of its own, started and ended by xvfb-run; -noreset keeps
# it from resetting, and refusing connections, each time a program closes.
[ "${VARNEL_XVFB:-}" = 1 ] || VARNEL_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
salida="$(realpath -m "${1:-build/screenshots}")"
mkdir -p "$salida"
programa=build/default/tests/varnel_screenshots
[ -x "$programa" ] || { echo "Construya antes: make build" >&2; exit 1; }
# Qt's runtime folder, private and removed at the end.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

"$programa" "$salida" &
app=$!
sleep 1.3
import -window root "$salida/pantalla.png"
wait $app
ls -1 "$salida"
