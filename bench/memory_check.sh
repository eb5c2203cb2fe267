#!/usr/bin/env bash
# Bounded memory and long lines, measured on the real engine (not a test):
# - a 1 GiB MapSource export with a few track points: peak RSS must stay flat;
# - one line of 10 MB and of 100 MB: time must grow linearly, not quadratically.
# Peak RSS comes from /usr/bin/time -v. Usage: bench/memory_check.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
programa=$(realpath build/default/bench/varnel_convert_once)
[ -x "$programa" ] || { echo "Construya antes: make build" >&2; exit 1; }
carpeta=$(realpath -m "${1:-build/memory-check}")
mkdir -p "$carpeta"
trap 'rm -f "$carpeta"/Sitna-*.txt' EXIT

medir() {  # medir <conversion> <label>
  local salida
  salida=$(/usr/bin/time -v "$programa" "$carpeta" "$1" 2>&1 >/dev/null | \
    awk -F': ' '/Maximum resident/ {rss=$2} /Elapsed \(wall/ {t=$2} END {print rss, t}')
  read -r rss tiempo <<<"$salida"
  printf '%-40s pico RSS %7d KiB   tiempo %s\n' "$2" "$rss" "$tiempo"
  printf '    %s\n' "$("$programa" "$carpeta" "$1" || true)"
}

# A small reference export.
python3 - "$carpeta/Sitna-Mapsource.txt" 0 <<'PY'
import sys
with open(sys.argv[1], "wb") as f:
    f.write(b"Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\n")
    for i in range(5):
        f.write(b"Trackpoint\t30 T %d %d\t\t450 m\t\r\n" % (611000 + i, 4741000 + i))
PY
medir mapsource "MapSource, 5 puntos (referencia)"

# 1 GiB: 5 track points spread among 16 million filler lines of 64 bytes.
python3 - "$carpeta/Sitna-Mapsource.txt" <<'PY'
import sys
relleno = b"Header\tPosition\tTime\tAltitude\tDepth\tTemperature\tLeg Length".ljust(62, b"\t") + b"\r\n"
assert len(relleno) == 64
bloque = relleno * 16384  # 1 MiB
with open(sys.argv[1], "wb") as f:
    f.write(b"Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\n")
    for mib in range(1024):
        f.write(bloque)
        if mib % 256 == 0:
            f.write(b"Trackpoint\t30 T %d 4741000\t\t450 m\t\r\n" % (611000 + mib))
    f.write(b"Trackpoint\t30 T 612000 4742000\t\t450 m\t\r\n")
PY
medir mapsource "MapSource, 1 GiB, 5 puntos"

# One long line: an Ozi track record whose last field is huge.
for mb in 10 100; do
  python3 - "$carpeta/Sitna-OziTrack.txt" "$mb" <<'PY'
import sys
n = int(sys.argv[2]) * 1000 * 1000
with open(sys.argv[1], "wb") as f:
    f.write(b"Datum,European 1950\r\nTP,UTM,30T,612345,4745678,,,1,,,,,,")
    f.write(b"x" * n)
    f.write(b"\r\nTP,UTM,30T,612400,4745700,,,0,,,,,,\r\n")
PY
  medir ozi-track "Track Ozi con una línea de $mb MB"
done
