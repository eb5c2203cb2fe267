#!/usr/bin/env bash
# The three XML drops (GPX, TCX, KML) of the same 32 767 points, as
# instruction counts (callgrind, the figure a busy machine does not blur):
# the whole process and its point-reading thread, beside Expat's own xmlwf on
# the same file; then best-of-7 wall times of each drop, xmlwf and gpsbabel
# reading the file to unicsv, in milliseconds.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${VARNEL_CONVERT_ONCE:-build/default/bench/varnel_convert_once}
[ -x "$bin" ] || { echo "Falta $bin: compile con 'make build'." >&2; exit 1; }
command -v valgrind >/dev/null || { echo "Falta valgrind (scripts/setup.sh)." >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

bench/track_gpx.sh > "$dir/pista.gpx"
gpsbabel -i gpx -f "$dir/pista.gpx" -o gtrnctr,course=0 -F "$dir/pista.tcx"
gpsbabel -i gpx -f "$dir/pista.gpx" -o kml,points=0 -F "$dir/pista.kml"

# Instructions of a command, whole process and each thread (the first is main).
instrucciones() {
  rm -f "$dir"/cg.*
  valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$dir/cg.%p" "$@" >/dev/null 2>&1
  cat "$dir"/cg.* | awk '/^totals:/ { n[++k] = $2; t += $2 }
    END { printf "%.1f M", t / 1e6; if (k > 1) { printf " (hilos:"; for (i = 1; i <= k; i++) printf " %.1f M", n[i] / 1e6; printf ")" } }'
}

mejor() {  # best wall time of 7 runs of a command, in ms
  python3 - "$@" <<'FIN'
import subprocess, sys, time
m = float("inf")
for _ in range(7):
    t0 = time.perf_counter()
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    m = min(m, time.perf_counter() - t0)
print(f"{m * 1000:.1f}")
FIN
}

for f in gpx:gpx tcx:gtrnctr kml:kml; do
  ext=${f%%:*} formato=${f#*:}
  fichero="$dir/pista.$ext"
  echo "$ext ($(stat -c %s "$fichero") bytes): soltar $(instrucciones "$bin" "$dir" soltar "$fichero"), xmlwf $(instrucciones xmlwf "$fichero")"
  echo "  pared: soltar $(mejor "$bin" "$dir" soltar "$fichero") ms, xmlwf $(mejor xmlwf "$fichero") ms," \
    "gpsbabel $(mejor gpsbabel -i "$formato" -f "$fichero" -o unicsv -F "$dir/salida.csv") ms"
done
