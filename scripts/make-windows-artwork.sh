#!/usr/bin/env bash
# Draws the Windows icons from the one set of SVG sources: each picture as an
# .ico holding PNG images at the sizes Windows asks for (16 to 256, and the
# 32 x 32 picture-button size where designed). The .ico files are committed
# in ui/win32/artwork; run this again after changing an SVG.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert >/dev/null || { echo "Falta rsvg-convert: scripts/setup.sh" >&2; exit 1; }
destino=ui/win32/artwork
temporal=$(mktemp -d)
trap 'rm -rf "$temporal"' EXIT
mkdir -p "$destino"

for svg in ui/artwork/*.svg; do
  nombre=$(basename "$svg" .svg)
  pngs=()
  for lado in 16 20 24 32 40 48 64 256; do
    rsvg-convert -w "$lado" -h "$lado" -o "$temporal/$nombre-$lado.png" "$svg"
    pngs+=("$temporal/$nombre-$lado.png")
  done
  python3 - "$destino/$nombre.ico" "${pngs[@]}" <<'PY'
import struct, sys
# An ICO file: a header, one directory entry per image, then the PNG images.
salida, imagenes = sys.argv[1], sys.argv[2:]
datos = [open(p, "rb").read() for p in imagenes]
lados = [struct.unpack(">I", d[16:20])[0] for d in datos]
cabecera = struct.pack("<HHH", 0, 1, len(datos))
posicion = 6 + 16 * len(datos)
entradas = b""
for lado, d in zip(lados, datos):
    entradas += struct.pack("<BBBBHHII", lado % 256, lado % 256, 0, 0, 1, 32, len(d), posicion)
    posicion += len(d)
with open(salida, "wb") as f:
    f.write(cabecera + entradas + b"".join(datos))
PY
done
ls -1 "$destino"
