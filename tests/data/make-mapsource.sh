#!/bin/sh
# Regenerates the MapSource exports written by a real peer program (Debian's
# gpsbabel) from the committed GPX tracks. Run from this folder.
set -e
gpsbabel -i gpx -f gpsbabel-2tracks.gpx -o garmin_txt,grid=utm,datum="European 1950" -F mapsource-gpsbabel-2tracks.txt
gpsbabel -i gpx -f gpsbabel-60.gpx -o garmin_txt,grid=utm,datum="European 1950" -F mapsource-gpsbabel-60.txt
gpsbabel -i gpx -f gpsbabel-2tracks.gpx -o garmin_txt,datum="European 1950" -F mapsource-gpsbabel-geographic.txt
