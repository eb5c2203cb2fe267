#!/usr/bin/env bash
# The real program under Xvfb with a window manager (openbox), as a person
# meets it: checks that the main window, title bar included, is centred on the
# screen and that the help window is centred on it at its first showing, and
# saves screenshots under Fusion and under the Windows style.
# Usage: scripts/screenshots-wm.sh [output folder]   (default: build/screenshots-wm)
set -euo pipefail
cd "$(dirname "$0")/.."
salida="$(realpath -m "${1:-build/screenshots-wm}")"
mkdir -p "$salida"
programa=$(realpath build/default/app/varnel)
[ -x "$programa" ] || { echo "Construya antes: make build" >&2; exit 1; }

pantalla=:$((90 + RANDOM % 100))
Xvfb "$pantalla" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
app=
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$pantalla" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY=$pantalla
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

fallos=0
for estilo in fusion windows; do
  carpeta=$(mktemp -d)
  (cd "$carpeta" && QT_STYLE_OVERRIDE=$estilo "$programa" >/dev/null 2>&1) &
  app=$!
  id=
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "Traspaso datos entre" 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 0.1
  done
  [ -n "$id" ] || { echo "la ventana no apareció" >&2; exit 1; }
  sleep 1
  read -r x y w h <<<"$(marco "$id")"
  read -r cx cy <<<"$(centro "$x" "$y" "$w" "$h")"
  echo "$estilo: ventana principal con marco ${w}x${h} en ($x,$y), centro ($cx,$cy); pantalla 1024x768"
  if [ $((cx - 512)) -gt 1 ] || [ $((512 - cx)) -gt 1 ] || [ $((cy - 384)) -gt 1 ] || [ $((384 - cy)) -gt 1 ]; then
    echo "  NO está centrada" >&2; fallos=$((fallos + 1))
  fi
  import -window root "$salida/principal-$estilo.png"

  # The help button, by its designed place: 2400,5880 twips + half its 495 size.
  xdotool mousemove --window "$id" $(((2400 + 247) / 15)) $(((5880 + 247) / 15)) click 1
  ayuda=
  for _ in $(seq 50); do
    ayuda=$(xdotool search --onlyvisible --name "^Varnel Ayuda$" 2>/dev/null | head -1 || true)
    [ -n "$ayuda" ] && break
    sleep 0.1
  done
  [ -n "$ayuda" ] || { echo "la ayuda no apareció" >&2; exit 1; }
  sleep 0.5
  read -r ax ay aw ah <<<"$(marco "$ayuda")"
  read -r acx acy <<<"$(centro "$ax" "$ay" "$aw" "$ah")"
  echo "$estilo: ayuda con marco ${aw}x${ah} en ($ax,$ay), centro ($acx,$acy)"
  if [ $((acx - cx)) -gt 1 ] || [ $((cx - acx)) -gt 1 ] || [ $((acy - cy)) -gt 1 ] || [ $((cy - acy)) -gt 1 ]; then
    echo "  la ayuda NO está centrada sobre la ventana principal" >&2; fallos=$((fallos + 1))
  fi
  import -window root "$salida/ayuda-$estilo.png"
  kill $app; wait $app 2>/dev/null || true
  rm -rf "$carpeta"
done
ls -1 "$salida"
exit $fallos
