#!/usr/bin/env bash
# The real program under Xvfb with a window manager (openbox), as a person
# meets it: checks that the main window, title bar included, is centred on the
# screen and that the help window is centred on it at its first showing, and
# saves screenshots under Fusion and under the Windows style.
# Usage: scripts/screenshots-wm.sh [output folder]   (default: build/screenshots-wm)
set -euo pipefail
cd "$(dirname "$0")/.."
# A virtual display of its own, started and ended by xvfb-run; -noreset keeps
# it from resetting, and refusing connections, each time a program closes.
[ "${VARNEL_XVFB:-}" = 1 ] || VARNEL_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
salida="$(realpath -m "${1:-build/screenshots-wm}")"
mkdir -p "$salida"
programa=$(realpath build/default/app/varnel)
[ -x "$programa" ] || { echo "Construya antes: make build" >&2; exit 1; }

# Scratch folders (the program's working folder, Qt's runtime folder), removed at the end.
temporal=$(mktemp -d)
export XDG_RUNTIME_DIR="$temporal/ejecucion"
mkdir -m 700 "$XDG_RUNTIME_DIR"
app= wm=
trap 'kill $app $wm 2>/dev/null || true; rm -rf "$temporal"' EXIT
openbox >/dev/null 2>&1 &
wm=$!
sleep 1

marco() {  # marco <window id>: x y w h of the whole window, frame included
  local x y w h izq der arr aba
  read -r x y w h <<<"$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /^  Width/ {w=$NF} /^  Height/ {h=$NF} END {print x, y, w, h}')"
  read -r izq der arr aba <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')"
  echo $((x - izq)) $((y - arr)) $((w + izq + der)) $((h + arr + aba))
}
centro() { echo $(($1 + $3 / 2)) $(($2 + $4 / 2)); }
cerca() { [ $(($1 - $2)) -le 1 ] && [ $(($2 - $1)) -le 1 ]; }  # within one pixel

esperar() {  # esperar <title regex>: the id of the visible window with that title
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no apareció la ventana «$1»" >&2
  exit 1
}

fallos=0
comprobar() {  # comprobar <label> <window id> <expected centre x> <y>: prints and counts a miss
  local x y w h cx cy
  read -r x y w h <<<"$(marco "$2")"
  read -r cx cy <<<"$(centro "$x" "$y" "$w" "$h")"
  echo "$1: marco ${w}x${h} en ($x,$y), centro ($cx,$cy), esperado ($3,$4)"
  if ! cerca "$cx" "$3" || ! cerca "$cy" "$4"; then
    echo "  NO está centrada" >&2
    fallos=$((fallos + 1))
  fi
}

for estilo in fusion windows; do
  carpeta="$temporal/$estilo"
  mkdir "$carpeta"
  (cd "$carpeta" && QT_STYLE_OVERRIDE=$estilo "$programa" >/dev/null 2>&1) &
  app=$!
  id=$(esperar "Traspaso datos entre")
  sleep 1
  comprobar "$estilo, ventana principal" "$id" 512 384
  import -window root "$salida/principal-$estilo.png"

  # The help button, by its designed place: 2400,5880 twips + half its 495 size.
  xdotool mousemove --window "$id" $(((2400 + 247) / 15)) $(((5880 + 247) / 15)) click 1
  ayuda=$(esperar "^Varnel Ayuda$")
  sleep 0.5
  read -r x y w h <<<"$(marco "$id")"
  read -r cx cy <<<"$(centro "$x" "$y" "$w" "$h")"
  comprobar "$estilo, ayuda sobre la principal" "$ayuda" "$cx" "$cy"
  import -window root "$salida/ayuda-$estilo.png"
  kill $app; wait $app 2>/dev/null || true
done
ls -1 "$salida"
exit $fallos
