#!/usr/bin/env bash
# Draws the Windows icons from the one set of SVG sources: each picture as an
# .ico (icotool) holding PNG images at the sizes Windows asks for, 16 to 256
# (PNG inside an icon as Windows reads it since Vista, a fifth of the size of
# bitmaps). The .ico
# files are committed in ui/win32/artwork; run this again after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
for herramienta in rsvg-convert icotool; do
  command -v "$herramienta" >/dev/null || { echo "Falta $herramienta: scripts/setup.sh windows" >&2; exit 1; }
done
destino=ui/win32/artwork
temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
mkdir -p "$destino"

for svg in ui/artwork/*.svg; do
  nombre=$(basename "$svg" .svg)
  for lado in 16 20 24 32 40 48 64 256; do
    rsvg-convert -w "$lado" -h "$lado" -o "$temporal/$lado.png" "$svg"
  done
  raw=()
  for lado in 16 20 24 32 40 48 64 256; do raw+=("--raw=$temporal/$lado.png"); done
  icotool --create --output="$destino/$nombre.ico" "${raw[@]}"
done
ls -1 "$destino"
