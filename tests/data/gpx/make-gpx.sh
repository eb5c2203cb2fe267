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
