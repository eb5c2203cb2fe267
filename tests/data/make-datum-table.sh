#!/bin/sh
# Regenerates proj-datum.csv, PROJ's own answers for the ED50 to ETRS89 / WGS 84
# shift (EPSG:1633, its pipeline as projinfo gives it; Debian's proj-bin: cct
# and cct -I for the way back), so builds without the PROJ library check
# against the same oracle. Run from this folder.
#   directa: ED50 latitud,longitud given, WGS 84 latitud,longitud from PROJ
#   inversa: WGS 84 latitud,longitud given, ED50 latitud,longitud from PROJ
#   ida_y_vuelta: ED50 latitud,longitud given, PROJ's way there and back
#     (not the start again: the way back assumes height 0 on WGS 84, and
#     undoes the rotation by its transpose)
# Latitudes 41.5 to 43.8 N, longitudes -3.5 to +0.5 E, the edges included.
set -eu
export LC_ALL=C
salida=proj-datum.csv

tuberia=$(projinfo -k operation EPSG:1633 -o PROJ -q)
case "$tuberia" in
*"+proj=helmert +x=-131 +y=-100.3 +z=-163.4"*"+ellps=WGS84"*) ;;
*)
  echo "projinfo no da la transformación esperada para EPSG:1633:" >&2
  echo "$tuberia" >&2
  exit 1
  ;;
esac

# "lat lon 0 0" lines: latitudes 41.5 to 43.8 every 0.115 degrees (21),
# longitudes -3.5 to +0.5 every 0.25 degrees (17); height and time 0.
awk 'BEGIN {
  for (i = 0; i <= 20; i++) for (j = 0; j <= 16; j++) printf "%.4f %.4f 0 0\n", 41.5 + i * 0.115, -3.5 + j * 0.25
}' >entrada.tmp

# The pipeline is a list of arguments: unquoted on purpose.
{
  echo "sentido,latitud,longitud,latitud_proj,longitud_proj"
  # shellcheck disable=SC2086
  cct -d 12 $tuberia <entrada.tmp | paste -d ' ' entrada.tmp - |
    awk '{ printf "directa,%s,%s,%s,%s\n", $1, $2, $5, $6 }'
  # shellcheck disable=SC2086
  cct -I -d 12 $tuberia <entrada.tmp | paste -d ' ' entrada.tmp - |
    awk '{ printf "inversa,%s,%s,%s,%s\n", $1, $2, $5, $6 }'
  # shellcheck disable=SC2086
  cct -d 12 $tuberia <entrada.tmp | cct -I -d 12 $tuberia | paste -d ' ' entrada.tmp - |
    awk '{ printf "ida_y_vuelta,%s,%s,%s,%s\n", $1, $2, $5, $6 }'
} >"$salida"
rm -f entrada.tmp
wc -l "$salida"
