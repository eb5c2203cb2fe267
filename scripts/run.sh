#!/usr/bin/env bash
# Starts the program; without a display it says so instead of aborting.
set -euo pipefail
programa="$1"
if [ ! -x "$programa" ]; then
  echo "Varnel: el programa aún no está construido ($programa)." >&2
  exit 1
fi
exec "$programa"
