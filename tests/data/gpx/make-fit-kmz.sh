#!/bin/sh
# Regenerates the FIT and KMZ files (one of them a gx:Track KML) from the known points in
# navarra.csv (the same points as make-gpx.sh, so the same expected lists).
# Debian's gpsbabel writes FIT and KML; zip puts the KML into the KMZ. Run
# from this folder.
set -e
export GPSBABEL_FREEZE_TIME=y
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A FIT activity and a KML gx:Track need a time for every point: a minute apart.
awk -F, 'NR == 1 { print $0 ",Date,Time"; next } { printf "%s,2024/05/01,10:%02d:00\n", $0, NR }' \
  navarra.csv > "$tmp/navarra.csv"
gpsbabel -i unicsv -f "$tmp/navarra.csv" -x transform,trk=wpt,del -o garmin_fit -F navarra-track.fit
gpsbabel -i unicsv -f "$tmp/navarra.csv" -x transform,trk=wpt,del -o kml,track=1,lines=0,points=0 \
  -F "$tmp/navarra-gxtrack.kml"
# A KMZ as Google Earth saves one: doc.kml, deflated.
cp navarra-track.kml "$tmp/doc.kml"
rm -f navarra-track.kmz navarra-gxtrack.kmz
(cd "$tmp" && TZ=UTC touch -t 202405011000 doc.kml && zip -X -9 -q "$OLDPWD/navarra-track.kmz" doc.kml)
# Another KML member's name, stored, after a member that is not KML.
mkdir "$tmp/files"
cp "$tmp/navarra-gxtrack.kml" "$tmp/files/ruta.kml"
printf 'no es KML\n' > "$tmp/files/leeme.txt"
(cd "$tmp" && TZ=UTC touch -t 202405011000 files/* &&
  zip -X -0 -q "$OLDPWD/navarra-gxtrack.kmz" files/leeme.txt files/ruta.kml)
