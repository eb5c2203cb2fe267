#!/bin/sh
# The engine's folders are layers: a file may include only its own folder and
# the folders listed before it. Prints every include that goes the other way.
set -eu
cd "$(dirname "$0")/.."
capas="core platform text xml geodesy formats run"
fallos=0
rango() { i=0; for c in $capas; do [ "$c" = "$1" ] && { echo $i; return; }; i=$((i + 1)); done; echo 99; }
for f in $(find engine -name '*.h' -o -name '*.cpp'); do
  propia=$(rango "$(echo "$f" | cut -d/ -f2)")
  for inc in $(grep -o '#include "engine/[a-z]*/' "$f" | cut -d/ -f2); do
    if [ "$(rango "$inc")" -gt "$propia" ]; then
      echo "$f includes engine/$inc" >&2
      fallos=1
    fi
  done
done
exit $fallos
