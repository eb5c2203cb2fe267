#!/bin/sh
# Regenerates the GPX and KML files written by a real peer program (Debian's
# gpsbabel) from the known points in navarra.csv. Run from this folder.
# GPSBABEL_FREEZE_TIME keeps the files' own time stamps fixed.
set -e
export GPSBABEL_FREEZE_TIME=y
gpsbabel -i unicsv -f navarra.csv -x transform,trk=wpt -o gpx,gpxver=1.1 -F navarra-track-1.1.gpx
gpsbabel -i unicsv -f navarra.csv -x transform,trk=wpt -o gpx,gpxver=1.0 -F navarra-track-1.0.gpx
gpsbabel -i unicsv -f navarra.csv -x transform,rte=wpt,del -o gpx,gpxver=1.1 -F navarra-route.gpx
gpsbabel -i unicsv -f navarra.csv -o gpx,gpxver=1.0 -F navarra-waypoints.gpx
gpsbabel -i unicsv -f navarra.csv -x transform,trk=wpt -o kml -F navarra-track.kml
gpsbabel -i unicsv -f navarra.csv -o kml -F navarra-waypoints.kml
# The SITNA list these points give on ETRS89: PROJ's zone-30 projection on WGS 84 (the
# GPS files' own datum, never shifted), whole metres, halves away from zero.
tail -n +2 navarra.csv | awk -F, '{ print $2, $1 }' |
  proj -f '%.4f' +proj=utm +zone=30 +ellps=WGS84 |
  awk '{ printf "%06d,%07d\r\n", ($1 < 0 ? -1 : 1) * int(($1 < 0 ? -$1 : $1) + 0.5), int($2 + 0.5) }' > navarra.expected.txt
# The same points on a list in ED50: shifted by IGN's grid, inverted (WGS 84 to
# ED50; EPSG:1633 where the grid does not reach), projected on International 1924.
. ../proj-datum-shift.sh
tail -n +2 navarra.csv | awk -F, '{ print $2, $1, 0, 0 }' |
  cambiar_datum etrs89 ed50 |
  awk '{ printf "%06d,%07d\r\n", ($1 < 0 ? -1 : 1) * int(($1 < 0 ? -$1 : $1) + 0.5), int($2 + 0.5) }' > navarra.ed50.expected.txt
