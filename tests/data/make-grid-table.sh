#!/bin/sh
# Regenerates proj-grid.csv, PROJ's own answers for the ED50 to ETRS89 shift
# with IGN's grid (data/SPED2ETV2.gsb through cct's +proj=hgridshift; cct -I
# for the way back) and, where PROJ says the point is outside the grid, its
# EPSG:1633 operation, as PROJ falls back to it. Run from this folder.
#   sentido: directa (ED50 given, ETRS89 from PROJ) or inversa (the other way)
#   paso: rejilla or epsg1633, the one PROJ used
# The points: nodes (cell corners) and cell centres of both subgrids,
# PENINSUL (35.56 to 44.44 N, 10.18 W to 4.15 E, 200") and BALEARES (38.00
# to 40.79 N, 0.83 to 4.67 E, 150"), every few cells; their four edges, on
# them, a hair outside (within PROJ's tolerance of a hundred-thousandth of a
# cell) and a little outside; the sea east of PENINSUL north and south of
# BALEARES, where neither reaches; France, Morocco and the Atlantic.
set -eu
export LC_ALL=C
. ./proj-datum-shift.sh
salida=proj-grid.csv

tuberia_1633=$(projinfo -k operation EPSG:1633 -o PROJ -q)
case "$tuberia_1633" in
*"+proj=helmert +x=-131 +y=-100.3 +z=-163.4"*"+ellps=WGS84"*) ;;
*) echo "projinfo no da la transformación esperada para EPSG:1633" >&2; exit 1 ;;
esac
# "lat lon" in degrees, as EPSG:1633 takes them.
tuberia_rejilla="+proj=pipeline +step +proj=axisswap +order=2,1 +step +proj=unitconvert +xy_in=deg +xy_out=rad
  +step $REJILLA +step +proj=unitconvert +xy_in=rad +xy_out=deg +step +proj=axisswap +order=2,1"

# "lat lon 0 0" lines. A subgrid: south, north, west, east in seconds (east
# positive), the step in seconds, and every how many nodes to take one.
awk '
function nodo(lat, lon) { printf "%.9f %.9f 0 0\n", lat / 3600, lon / 3600 }
function subrejilla(s, n, o, e, paso, cada,   i, j, filas, columnas, k, d) {
  filas = (n - s) / paso; columnas = (e - o) / paso
  for (i = 0; i <= filas; i += cada) for (j = 0; j <= columnas; j += cada) {
    nodo(s + i * paso, o + j * paso)
    if (i < filas && j < columnas) nodo(s + (i + 0.5) * paso, o + (j + 0.5) * paso)
  }
  # The edges: on them, 0.001" outside (PROJ takes it as on the edge), 36" outside.
  split("0 -0.001 -36", d, " ")
  for (k = 1; k <= 3; k++) {
    for (j = 0; j <= columnas; j += cada / 2) {
      nodo(s + d[k], o + (j + 0.25) * paso); nodo(n - d[k], o + (j + 0.25) * paso)
    }
    for (i = 0; i <= filas; i += cada / 2) {
      nodo(s + (i + 0.25) * paso, o + d[k]); nodo(s + (i + 0.25) * paso, e - d[k])
    }
  }
}
BEGIN {
  subrejilla(128000, 160000, -36660, 14940, 200, 8)
  subrejilla(136800, 146850, 3000, 16800, 150, 4)
  # Between the subgrids (east of PENINSUL, north or south of BALEARES), and
  # the lands zone 30 covers beyond the grid.
  for (i = 0; i < 6; i++) {
    nodo(41 * 3600 + i * 600, 15500 + i * 150); nodo(37.5 * 3600 - i * 600, 15500 + i * 150)
    nodo((44.5 + i * 0.3) * 3600, (-1.5 + i * 0.3) * 3600)
    nodo((35.5 - i * 0.2) * 3600, (-5.5 + i * 0.4) * 3600)
    nodo((38 + i * 0.5) * 3600, -10.3 * 3600)
  }
}' >entrada.tmp

{
  echo "sentido,paso,latitud,longitud,latitud_proj,longitud_proj"
  for sentido in directa inversa; do
    opcion=; [ $sentido = inversa ] && opcion=-I
    # shellcheck disable=SC2086
    cct_uno_por_linea -d 12 $opcion $tuberia_rejilla <entrada.tmp >rejilla.tmp
    # shellcheck disable=SC2086
    cct_uno_por_linea -d 12 $opcion $tuberia_1633 <entrada.tmp | paste -d '|' entrada.tmp rejilla.tmp - |
      awk -F '|' -v sentido=$sentido '{
        split($1, dada, " ")
        if ($2 == "fuera") { paso = "epsg1633"; split($3, r, " ") } else { paso = "rejilla"; split($2, r, " ") }
        printf "%s,%s,%s,%s,%s,%s\n", sentido, paso, dada[1], dada[2], r[1], r[2]
      }'
  done
} >"$salida"
rm -f entrada.tmp rejilla.tmp
cut -d, -f1,2 "$salida" | sort | uniq -c
