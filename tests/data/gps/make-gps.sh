#!/bin/sh
# Regenerates the TCX, GeoJSON and TwoNav files of the known points in
# ../gpx/navarra.csv and the SITNA lists PROJ gives for them. TCX and the
# WGS 84 GeoJSON are written by Debian's gpsbabel; the GeoJSON on the zone-30
# grids and the TwoNav / CompeGPS text files by this script, in the layouts
# those programs write. Run from this folder.
set -e
export GPSBABEL_FREEZE_TIME=y
csv=../gpx/navarra.csv
gpsbabel -i unicsv -f $csv -x transform,trk=wpt -o gtrnctr,course=0 -F navarra-activity.tcx
gpsbabel -i unicsv -f $csv -x transform,trk=wpt -o gtrnctr,course=1 -F navarra-course.tcx
gpsbabel -i unicsv -f $csv -x transform,trk=wpt -o geojson -F navarra-track.geojson
gpsbabel -i unicsv -f $csv -o geojson -F navarra-waypoints.geojson
# A receiver without a fix writes 0,0: one such point after the third. The
# TCX writer leaves that Trackpoint without a Position; GeoJSON keeps [0,0].
awk 'NR == 4 { print; print "0.000000,0.000000,0,Sin fijo"; next } { print }' $csv > sin-fijo.csv
gpsbabel -i unicsv -f sin-fijo.csv -x transform,trk=wpt -o gtrnctr,course=0 -F navarra-sin-posicion.tcx
gpsbabel -i unicsv -f sin-fijo.csv -x transform,trk=wpt,del -o geojson,compact=1 -F navarra-sin-fijo.geojson
rm sin-fijo.csv

redondear() { awk '{ printf "%06d,%07d\r\n", ($1 < 0 ? -1 : 1) * int(($1 < 0 ? -$1 : $1) + 0.5), int($2 + 0.5) }'; }
. ../proj-datum-shift.sh
e89=../gpx/navarra.expected.txt  # the points on ETRS89 / UTM 30 (PROJ, whole metres)
e50=../gpx/navarra.ed50.expected.txt

# GeoJSON as IDENA exports it: EPSG:25830, easting first, the crs last.
{
  printf '{"type":"FeatureCollection","features":[{"type":"Feature","properties":{"name":"Navarra"},\n'
  printf '"geometry":{"type":"LineString","coordinates":[\n'
  tr -d '\r' < $e89 | awk -F, '{ printf "%s[%s.00,%s.00]\n", (NR > 1 ? "," : ""), $1, $2 }'
  printf ']}}],\n"crs":{"type":"name","properties":{"name":"urn:ogc:def:crs:EPSG::25830"}}}\n'
} > navarra-25830.geojson
tr -d '\r' < $e89 | awk -F, '{ print $1, $2, 0, 0 }' | cambiar_datum etrs89 ed50 30 GRS80 | redondear > navarra-25830.ed50.expected.txt
# On ED50 / UTM 30 (EPSG:23030), crs first, as points.
{
  printf '{"type":"FeatureCollection","crs":{"type":"name","properties":{"name":"EPSG:23030"}},"features":[\n'
  tr -d '\r' < $e50 | awk -F, '{ printf "%s{\"type\":\"Feature\",\"geometry\":{\"type\":\"Point\",\"coordinates\":[%s,%s]}}\n", (NR > 1 ? "," : ""), $1, $2 }'
  printf ']}\n'
} > navarra-23030.geojson
tr -d '\r' < $e50 | awk -F, '{ print $1, $2, 0, 0 }' | cambiar_datum ed50 etrs89 30 intl | redondear > navarra-23030.etrs89.expected.txt

# TwoNav device: UTF-8 with its mark, "B  UTF-8", WGS 84, degrees, LF; two
# points without a fix (0,0) among the track points.
{
  printf '\357\273\277B  UTF-8\nG  WGS 84\nU  1\nP  Ultra  3.2.2\nC  255 0 255 6 2.0 0 "" 0xFFFFFFFF\n'
  printf 'V  0.0 0.0 0 0 0 0 0.0 -1.0 0\nE 0|1|00-NUL-00 00:00:00|00:00:00|0|10\ni I00\n'
  tail -n +2 $csv | awk -F, '{
    printf "T  A %.8f\302\272%s %.8f\302\272%s 06-APR-15 15:37:38.000 s %s 0 0 0 0 -1000 -1 15 -1 0 108 -1 -1.000000\n",
      $1 < 0 ? -$1 : $1, $1 < 0 ? "S" : "N", $2 < 0 ? -$2 : $2, $2 < 0 ? "W" : "E", $3
    if (NR == 2 || NR == 5) print "T  A 0.00000000\302\272N 0.00000000\302\272E 06-APR-15 15:37:39.000 s 0 0 0 0 0 -1000 -1 15 -1 0 108 -1 -1.000000"
  }'
} > navarra-dispositivo.trk
# CompeGPS from a Garmin on ED50: Latin-1 degree sign, CR LF, no "B" line.
tr -d '\r' < $e50 | tr , ' ' | proj -I -f '%.8f' +proj=utm +zone=30 +ellps=intl > ed50-grados.txt
{
  printf 'G  European 1950 (Spain and Portugal)\r\nU  1\r\nP  Garmin  id=421  eTrex VistaCx Software Version 3.10\r\n'
  printf 'L  -02:00:00\r\nE 0|1|00-NUL-00 00:00:00|00:00:00|0|8\r\nz  -2.1,42.4,-1.5,42.9\r\n'
  awk '{ printf "T  A %.8f\272%s %.8f\272%s 29-MAY-11 07:19:58 s 450.0 0.0 0.0 0.0 0 -1000.0 9999999562023526247000000.0 -1 -1.0 -1.0\r\n",
    $2 < 0 ? -$2 : $2, $2 < 0 ? "S" : "N", $1 < 0 ? -$1 : $1, $1 < 0 ? "W" : "E" }' ed50-grados.txt
} > navarra-etrex-ed50.trk
proj -f '%.4f' +proj=utm +zone=30 +ellps=intl < ed50-grados.txt | redondear > navarra-etrex-ed50.expected.txt
awk '{ print $1, $2, 0, 0 }' ed50-grados.txt | cambiar_datum ed50 etrs89 | redondear > navarra-etrex-ed50.etrs89.expected.txt
rm ed50-grados.txt
# CompeGPS waypoints in UTM on ED50 (U 0, zone and band), CR LF.
{
  printf 'G  European 1950\r\nU  0\r\n'
  tr -d '\r' < $e50 | awk -F, '{ printf "W  NAV%02d 30T %s.0 %s.0 27-MAR-62 00:00:00 450.000000 Punto %d\r\nw  box,0,0.0,16777215,255,1,7,,0.0\r\n", NR, $1, $2, NR }'
} > navarra-utm-ed50.wpt
