#!/usr/bin/env bash
# Runs a command with a private, throw-away Wine prefix: WINEPREFIX in a
# temporary folder, drive T: mapped to a scratch folder, Wine's own messages
# off. Without a display it runs under Xvfb (xvfb-run). The prefix, and every
# temporary file of the run, is removed at the end.
# Usage: scripts/with-wine.sh COMMAND [ARGS...]
set -euo pipefail

wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
[ -x "$wine" ] || { echo "No está Wine ($wine): ejecute scripts/setup.sh windows" >&2; exit 1; }
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

if [ -z "${DISPLAY:-}" ] && [ "${VARNEL_XVFB:-}" != 1 ]; then
  # Wine wants a display for anything with a window: give it a virtual one.
  # Before anything else: nothing made here would be cleaned after exec.
  VARNEL_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" "$0" "$@"
fi

temporal=$(mktemp -d "${TMPDIR:-/tmp}/varnel-wine-XXXXXX")
export WINEPREFIX="$temporal/prefijo" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
# Debian's wineserver keeps its socket in a folder of its own under TMPDIR
# and leaves it there: inside ours, it goes with the rest.
mkdir "$temporal/tmp"
export TMPDIR="$temporal/tmp"
limpiar() {
  WINEPREFIX="$WINEPREFIX" "$wineserver" -k >/dev/null 2>&1 || true
  rm -rf "$temporal"
}
trap limpiar EXIT

if [ "${VARNEL_XVFB:-}" = 1 ] && command -v openbox >/dev/null; then
  # A window manager on the virtual display: without one Wine waits two
  # seconds for every window it hides or destroys, and windows get no frame.
  openbox >/dev/null 2>&1 &
  gestor=$!
  trap 'kill "$gestor" 2>/dev/null || true; limpiar' EXIT
fi

# The server kept running between programs: otherwise each test program
# would wait for Wine to start again (about ten seconds each).
mkdir -p "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot -i >/dev/null 2>&1
mkdir -p "$temporal/unidad-t"
ln -sfn "$temporal/unidad-t" "$WINEPREFIX/dosdevices/t:"
"$@"
