#!/usr/bin/env bash
# One 32 767-point conversion of each kind, timed inside the program, on Linux
# and on the Windows build under Wine (median of 5 runs each).
# Needs `make build` and the Windows cross build (`make test-windows`).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${WINEPREFIX:-}" ] || exec scripts/with-wine.sh "$0" "$@"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
linux=$(realpath build/default/bench/varnel_convert_once)
windows=$(realpath build/windows/bench/varnel_convert_once.exe)
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT

python3 - "$carpeta" <<'PY'
import sys, os
n = 32767
d = sys.argv[1]
with open(os.path.join(d, "Sitna-Descargar.txt"), "wb") as f:
    for i in range(n):
        f.write(b"%06d,%07d\r\n" % (600000 + i, 4700000 + i))
with open(os.path.join(d, "Sitna-OziTrack.txt"), "wb") as f:
    f.write(b"Datum,European 1950\r\n")
    for i in range(n):
        f.write(b"TP,UTM,30T,%06d,%07d,,,%d,,,,,,\r\n" % (600000 + i, 4700000 + i, 1 if i == 0 else 0))
with open(os.path.join(d, "Sitna-Mapsource.txt"), "wb") as f:
    f.write(b"Grid\tUTM\r\nDatum\tEuropean 1950\r\n\r\n")
    for i in range(n):
        f.write(b"Trackpoint\t30 T %06d %07d\t\t450 m\t\r\n" % (600000 + i, 4700000 + i))
PY

mediana() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
medir() {  # medir <conversion> <program and folder...>
  local c=$1; shift
  for _ in 1 2 3 4 5; do "$@" "$c" 2>&1 >/dev/null | awk '/conversión:/ {print $2}'; done | mediana
}

printf '%-12s %12s %12s\n' conversión "Linux (ms)" "Wine (ms)"
for c in track-ozi ozi-track mapsource; do
  l=$(medir "$c" "$linux" "$carpeta")
  w=$(medir "$c" "$wine" "$windows" "Z:$carpeta")
  printf '%-12s %12s %12s\n' "$c" "$l" "$w"
done
