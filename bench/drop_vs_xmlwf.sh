#!/usr/bin/env bash
# The drop of a GPX track against Expat's own xmlwf parsing the same file:
# whole process, best of 11 runs of each, in milliseconds, and their ratio.
# The file is the one of the engine benchmark's drop (BM_SoltarGpx): 32 767
# track points, each with its elevation and time.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${VARNEL_CONVERT_ONCE:-build/default/bench/varnel_convert_once}
[ -x "$bin" ] || { echo "Falta $bin: compile con 'make build'." >&2; exit 1; }
command -v xmlwf >/dev/null || { echo "Falta xmlwf (paquete expat: scripts/setup.sh)." >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
puntos=${1:-32767}

awk -v n="$puntos" 'BEGIN {
  print "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
  print "<gpx version=\"1.1\" creator=\"banco\" xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>A</name><trkseg>"
  for (i = 0; i < n; i++)
    printf "<trkpt lat=\"%.7f\" lon=\"%.7f\"><ele>450.0</ele><time>2026-05-01T08:00:00Z</time></trkpt>\n", 42.5 + i * 1e-5, -1.9 + i * 1e-5
  print "</trkseg></trk></gpx>"
}' > "$dir/pista.gpx"

mejor() {  # best wall time of 11 runs of a command, in microseconds
  local m=999999999 t0 t1 us
  for _ in 1 2 3 4 5 6 7 8 9 10 11; do
    t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N)
    us=$(( (t1 - t0) / 1000 )); (( us < m )) && m=$us
  done
  echo "$m"
}

"$bin" "$dir" soltar "$dir/pista.gpx" >/dev/null  # the list file exists from here on, as in use
xml=$(mejor xmlwf "$dir/pista.gpx")
varnel=$(mejor "$bin" "$dir" soltar "$dir/pista.gpx")
awk -v v="$varnel" -v x="$xml" -v n="$puntos" \
  'BEGIN { printf "GPX de %d puntos: soltar %.1f ms, xmlwf %.1f ms, %.2f×\n", n, v / 1000, x / 1000, v / x }'
