#!/usr/bin/env bash
# Program start to first shown window, as a person sees it: the real program
# under Xvfb, timed until its main window is mapped (polled with xdotool).
# Usage: bench/measure_start.sh [runs]   (needs: make build; Debian xvfb, xauth, xdotool)
set -euo pipefail
cd "$(dirname "$0")/.."
# A virtual display of its own, started and ended by xvfb-run; -noreset keeps
# it from resetting, and refusing connections, each time a program closes.
[ "${VARNEL_XVFB:-}" = 1 ] || VARNEL_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
veces=${1:-10}
programa=$(realpath build/default/app/varnel)
XDG_RUNTIME_DIR=$(mktemp -d)  # Qt's, private
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

tiempos=()
for _ in $(seq "$veces"); do
  inicio=$(date +%s%N)
  "$programa" 2>/dev/null &
  app=$!
  # Polled every few milliseconds: --sync itself waits half a second between looks.
  until xdotool search --onlyvisible --name "Traspaso datos entre" >/dev/null 2>&1; do
    kill -0 $app 2>/dev/null || { echo "el programa terminó antes de mostrar la ventana" >&2; exit 1; }
    sleep 0.005
  done
  fin=$(date +%s%N)
  tiempos+=($(( (fin - inicio) / 1000000 )))
  kill $app; wait $app 2>/dev/null || true
done
printf '%s\n' "${tiempos[@]}" | sort -n | awk '{v[NR]=$1} END {printf "arranque hasta ventana visible: mediana %d ms, min %d ms, max %d ms (%d veces)\n", v[int((NR+1)/2)], v[1], v[NR], NR}'
