#!/usr/bin/env bash
# Screenshots of the Windows program's two windows under Wine, Xvfb and a
# window manager: build/screenshots/windows-main.png and windows-help.png.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/windows/tests/varnel_smoke.exe ] || { echo "Primero: make test-windows" >&2; exit 1; }
salida=build/screenshots
mkdir -p "$salida"
dentro=$(mktemp)
trap 'rm -f "$dentro"' EXIT
cat >"$dentro" <<'FIN'
set -euo pipefail
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
raiz=$(pwd)
cd "$raiz/tests/data"  # a folder with something in it for the folder list
for caso in main help; do
  extra=()
  [ "$caso" = help ] && extra=(--ayuda)
  "$wine" "Z:$raiz/build/windows/tests/varnel_smoke.exe" "Z:$raiz/dist/varnel.exe" "${extra[@]}" --dejar
  sleep 1
  import -window root "$raiz/build/screenshots/windows-$caso.png"
  "${WINESERVER:-/usr/lib/wine/wineserver}" -k || true
  sleep 1
done
FIN
scripts/with-wine.sh bash "$dentro"
ls -l "$salida"/windows-*.png
