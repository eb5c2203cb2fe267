#!/usr/bin/env bash
# Program start to first shown window, as a person sees it: the real program
# under Xvfb, timed until its main window is mapped (polled with xdotool).
# Usage: bench/measure_start.sh [runs]   (needs: make build; Debian xvfb, xdotool)
set -euo pipefail
cd "$(dirname "$0")/.."
veces=${1:-10}
programa=$(realpath build/default/app/varnel)
pantalla=:$((90 + RANDOM % 100))
Xvfb "$pantalla" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo -display "$pantalla" >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo -display "$pantalla" >/dev/null 2>&1 || { echo "Xvfb no arrancó en $pantalla" >&2; exit 1; }

tiempos=()
for _ in $(seq "$veces"); do
  inicio=$(date +%s%N)
  DISPLAY=$pantalla "$programa" 2>/dev/null &
  app=$!
  # Polled every few milliseconds: --sync itself waits half a second between looks.
  until DISPLAY=$pantalla xdotool search --onlyvisible --name "Traspaso datos entre" >/dev/null 2>&1; do
    kill -0 $app 2>/dev/null || { echo "el programa terminó antes de mostrar la ventana" >&2; exit 1; }
    sleep 0.005
  done
  fin=$(date +%s%N)
  tiempos+=($(( (fin - inicio) / 1000000 )))
  kill $app; wait $app 2>/dev/null || true
done
printf '%s\n' "${tiempos[@]}" | sort -n | awk '{v[NR]=$1} END {printf "arranque hasta ventana visible: mediana %d ms, min %d ms, max %d ms (%d veces)\n", v[int((NR+1)/2)], v[1], v[NR], NR}'
