#!/usr/bin/env bash
# Starts the windows under Xvfb and saves what a person would see:
# each window grabbed by itself, and the whole screen while the help window is up.
# Usage: scripts/screenshots.sh [output folder]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
salida="$(realpath -m "${1:-build/screenshots}")"
mkdir -p "$salida"
programa=build/default/tests/varnel_screenshots
[ -x "$programa" ] || { echo "Construya antes: make build" >&2; exit 1; }

pantalla=:$((90 + RANDOM % 100))
Xvfb "$pantalla" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$pantalla" >/dev/null 2>&1 && break; sleep 0.1; done

DISPLAY=$pantalla "$programa" "$salida" &
app=$!
sleep 1.3
DISPLAY=$pantalla import -window root "$salida/pantalla.png"
wait $app
ls -1 "$salida"
