#!/bin/sh
# Regenerates proj-utm.csv, PROJ's own answers for UTM zones 29 to 31 on the
# three ellipsoids the program projects on (Debian's proj-bin: proj and
# invproj), so builds without the PROJ library check against the same
# oracle. Run from this folder.
#   directa: latitud,longitud given, este,norte from PROJ
#   inversa: este,norte given, latitud,longitud from PROJ
# Latitudes 36 to 44 N, longitudes -12 to +6 E in every zone.
set -eu
export LC_ALL=C
salida=proj-utm.csv

# "lon lat" lines of a grid: first latitude, latitude step, count, then the same for longitude.
rejilla() {
  awk -v la0="$1" -v dla="$2" -v nla="$3" -v lo0="$4" -v dlo="$5" -v nlo="$6" 'BEGIN {
    for (i = 0; i < nla; i++) for (j = 0; j < nlo; j++) printf "%.4f %.4f\n", lo0 + j * dlo, la0 + i * dla
  }'
}

echo "elipsoide,huso,sentido,latitud,longitud,este,norte" >"$salida"
for elipsoide in intl WGS84 GRS80; do
  for huso in 29 30 31; do
    utm="+proj=utm +zone=$huso +ellps=$elipsoide"
    # Forward: the grid and PROJ's easting and northing.
    rejilla 36 0.5 17 -12 0.75 25 >entrada.tmp
    proj -f %.6f $utm <entrada.tmp | paste -d ' ' entrada.tmp - |
      awk -v e="$elipsoide" -v h="$huso" '{ printf "%s,%s,directa,%s,%s,%s,%s\n", e, h, $2, $1, $3, $4 }' >>"$salida"
    # Inverse: eastings and northings (to the centimetre) of a grid between
    # the forward one's points, and PROJ's latitude and longitude.
    rejilla 36.25 0.5 16 -11.625 0.75 24 | proj -f %.2f $utm >entrada.tmp
    invproj -f %.11f $utm <entrada.tmp | paste -d ' ' entrada.tmp - |
      awk -v e="$elipsoide" -v h="$huso" '{ printf "%s,%s,inversa,%s,%s,%s,%s\n", e, h, $4, $3, $1, $2 }' >>"$salida"
  done
done
rm -f entrada.tmp
wc -l "$salida"
