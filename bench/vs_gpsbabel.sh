#!/usr/bin/env bash
# Whole-process times against gpsbabel reading the same file, best of 7 runs
# of each, in milliseconds:
# - a 32 767-point MapSource export in its default grid (degrees and minutes,
#   WGS 84), written by gpsbabel itself from a generated GPX track;
# - that GPX track dropped on the window (gpsbabel -i gpx ... -o unicsv);
# - the same track as TCX, GeoJSON and TwoNav, dropped.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=build/default/bench/varnel_convert_once
[ -x "$bin" ] || { echo "Falta $bin: compile con 'make build'." >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

bench/track_gpx.sh > "$dir/pista.gpx"
gpsbabel -i gpx -f "$dir/pista.gpx" -o garmin_txt,datum="WGS 84" -F "$dir/Sitna-Mapsource.txt"

mejor() {  # best wall time of 7 runs of a command, in ms
  local m=999999 t0 t1 ms
  for _ in 1 2 3 4 5 6 7; do
    t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N)
    ms=$(( (t1 - t0) / 1000 )); (( ms < m )) && m=$ms
  done
  printf '%d.%03d' $((m / 1000)) $((m % 1000))
}

varnel=$(mejor "$bin" "$dir" mapsource)
babel=$(mejor gpsbabel -i garmin_txt -f "$dir/Sitna-Mapsource.txt" -o unicsv -F "$dir/salida.csv")
puntos=$(grep -c '^Trackpoint' "$dir/Sitna-Mapsource.txt")
"$bin" "$dir" mapsource 2>/dev/null
echo "MapSource grados y minutos, $puntos puntos: varnel $varnel ms, gpsbabel $babel ms"

varnel=$(mejor "$bin" "$dir" soltar "$dir/pista.gpx")
babel=$(mejor gpsbabel -i gpx -f "$dir/pista.gpx" -o unicsv -F "$dir/salida.csv")
"$bin" "$dir" soltar "$dir/pista.gpx" 2>/dev/null
echo "GPX soltado, 32767 puntos: varnel $varnel ms, gpsbabel $babel ms"

# The same points, a minute apart, as a FIT activity (gpsbabel writes it: a
# FIT record needs a time) and as a KMZ (gpsbabel's KML zipped; gpsbabel reads
# no KMZ, so its side is unzip piped into it). Each against the GPX drop of
# those points.
bench/track_gpx.sh 32767 horas > "$dir/horas.gpx"
gpsbabel -i gpx -f "$dir/horas.gpx" -o garmin_fit -F "$dir/pista.fit"
gpsbabel -i gpx -f "$dir/horas.gpx" -o kml,points=0 -F "$dir/doc.kml"
(cd "$dir" && zip -q -9 pista.kmz doc.kml)
# Wall time and, for a busy machine, processor time (user and system, every
# process and thread of the command), best of 7 each, in ms.
ambos() {
  python3 - "$@" <<'FIN'
import resource, subprocess, sys, time
pared = cpu = float("inf")
for _ in range(7):
    antes = resource.getrusage(resource.RUSAGE_CHILDREN)
    t0 = time.perf_counter()
    subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    pared = min(pared, time.perf_counter() - t0)
    despues = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = min(cpu, despues.ru_utime - antes.ru_utime + despues.ru_stime - antes.ru_stime)
print(f"{pared * 1000:.1f} ms (procesador {cpu * 1000:.1f} ms)")
FIN
}
gpx=$(ambos "$bin" "$dir" soltar "$dir/horas.gpx")
varnel=$(ambos "$bin" "$dir" soltar "$dir/pista.fit")
babel=$(ambos gpsbabel -i garmin_fit -f "$dir/pista.fit" -o unicsv -F "$dir/salida.csv")
"$bin" "$dir" soltar "$dir/pista.fit" 2>/dev/null
echo "FIT soltado, 32767 puntos: varnel $varnel; el mismo GPX $gpx; gpsbabel $babel"
varnel=$(ambos "$bin" "$dir" soltar "$dir/pista.kmz")
babel=$(ambos sh -c "unzip -p '$dir/pista.kmz' doc.kml | gpsbabel -i kml -f - -o unicsv -F '$dir/salida.csv'")
"$bin" "$dir" soltar "$dir/pista.kmz" 2>/dev/null
echo "KMZ soltado, 32767 puntos: varnel $varnel; el mismo GPX $gpx; unzip y gpsbabel $babel"
# The same track as TCX and GeoJSON (written by gpsbabel) and as a TwoNav
# track (this gpsbabel reads no TwoNav file: against the GPX drop only).
gpsbabel -i gpx -f "$dir/pista.gpx" -o gtrnctr,course=0 -F "$dir/pista.tcx"
gpsbabel -i gpx -f "$dir/pista.gpx" -o geojson -F "$dir/pista.geojson"
{
  printf 'G  WGS 84\r\nU  1\r\n'
  awk 'BEGIN { for (i = 0; i < 32767; i++)
    printf "T  A %.8f\272N %.8f\272W 06-APR-15 15:37:38.000 s 450.0 0.0 0.0 0.0 0 -1000.0 -1.0 -1 -1.0 -1.0\r\n", 42.5 + i * 0.00001, 1.9 - i * 0.00001 }'
} > "$dir/pista.trk"
gpx=$(mejor "$bin" "$dir" soltar "$dir/pista.gpx")
for f in tcx:gtrnctr geojson:geojson trk:; do
  ext=${f%%:*} formato=${f#*:}
  varnel=$(mejor "$bin" "$dir" soltar "$dir/pista.$ext")
  "$bin" "$dir" soltar "$dir/pista.$ext" 2>/dev/null
  if [ -n "$formato" ]; then
    babel=$(mejor gpsbabel -i "$formato" -f "$dir/pista.$ext" -o unicsv -F "$dir/salida.csv")
    echo "$ext soltado: varnel $varnel ms (GPX $gpx ms), gpsbabel $babel ms"
  else
    echo "$ext soltado: varnel $varnel ms (GPX $gpx ms)"
  fi
done
