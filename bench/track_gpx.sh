#!/usr/bin/env bash
# The bench scripts' track, on standard output: a GPX of N points (default
# 32 767) a metre or two apart in Navarre, each with its elevation; with a
# second argument "horas", each a minute after the last too (a FIT record
# needs a time).
set -euo pipefail
awk -v n="${1:-32767}" -v horas="${2:-}" 'BEGIN {
  print "<?xml version=\"1.0\"?>"
  print "<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>A</name><trkseg>"
  for (i = 0; i < n; i++) {
    printf "<trkpt lat=\"%.6f\" lon=\"%.6f\"><ele>450</ele>", 42.5 + i * 0.00001, -1.9 + i * 0.00001
    if (horas == "horas")
      printf "<time>2024-05-%02dT%02d:%02d:00Z</time>", 1 + int(i / 1440), int(i / 60) % 24, i % 60
    print "</trkpt>"
  }
  print "</trkseg></trk></gpx>"
}'
