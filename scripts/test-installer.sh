#!/usr/bin/env bash
# The Windows installer and zip as a user meets them, under Wine (a private
# prefix): a silent install for all users and one for the current user put
# varnel.exe, LÉAME.txt and the uninstaller where they belong, with the
# Start-menu entry and the "Apps and features" entry; the installed program
# starts and its window appears; a silent uninstall removes it all but the
# user's own settings.
# Needs `make windows` and the smoke helper of `make test-windows`.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/windows/version.env ] || { echo "Falta build/windows: make windows" >&2; exit 1; }
. build/windows/version.env
version=$VARNEL_VERSION
instalador="$PWD/dist/varnel-$version-setup.exe"
zip="$PWD/dist/varnel-$version-windows.zip"
humo="$PWD/build/windows/tests/varnel_smoke.exe"
for f in "$instalador" "$zip" "$humo"; do [ -f "$f" ] || { echo "Falta $f" >&2; exit 1; }; done

# The zip: exactly the program and the read-me, the program byte for byte.
python3 - "$zip" <<'FIN'
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
nombres = sorted(i.filename for i in z.infolist())
assert nombres == ["LÉAME.txt", "varnel.exe"], nombres
assert all(i.flag_bits & 0x800 for i in z.infolist() if not i.filename.isascii()), "nombre sin marca UTF-8"
assert z.read("varnel.exe") == open("dist/varnel.exe", "rb").read(), "varnel.exe distinto"
leame = z.read("LÉAME.txt")
assert leame.startswith(b"\xef\xbb\xbf") and b"\r\n" in leame and b"\n" not in leame.replace(b"\r\n", b""), "LÉAME.txt"
print("zip: varnel.exe y LÉAME.txt, bien")
FIN

dentro=$(mktemp)
trap 'rm -f "$dentro"' EXIT
cat >"$dentro" <<'FIN'
set -euo pipefail
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
c="$WINEPREFIX/drive_c"
fallo() { echo "FALLO: $*" >&2; exit 1; }
esperar_que_desaparezca() {  # the uninstaller copies itself away and returns at once
  for _ in $(seq 150); do [ ! -e "$1" ] && return 0; sleep 0.2; done
  fallo "sigue ahí: $1"
}
registro() { "$wine" reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Varnel" /reg:64 2>/dev/null | tr -d '\r'; }
clase() { "$wine" reg query "$1\\Software\\Classes\\$2" /reg:64 2>/dev/null | tr -d '\r'; }

comprobar() {  # comprobar <mode> <folder> <start menu folder> <registry root>
  local modo=$1 carpeta=$2 menu=$3 raiz=$4
  # Another program is the default for .kml: it must stay so, and stay after.
  "$wine" reg add "$raiz\\Software\\Classes\\.kml" /ve /d OtroPrograma.kml /f /reg:64 >/dev/null
  "$wine" "$INSTALADOR" /S "/$modo"
  for f in varnel.exe LÉAME.txt desinstalar.exe; do [ -f "$carpeta/$f" ] || fallo "$modo: falta $carpeta/$f"; done
  cmp -s "$carpeta/varnel.exe" "$PROGRAMA" || fallo "$modo: varnel.exe instalado distinto"
  [ -f "$menu/Varnel.lnk" ] || fallo "$modo: falta el acceso en el menú Inicio ($menu)"
  registro "$raiz" | grep -q 'DisplayName.*Varnel' || fallo "$modo: no está en Aplicaciones ($raiz)"
  registro "$raiz" | grep DisplayVersion | grep -qF "$VERSION" || fallo "$modo: versión en Aplicaciones"
  local windows
  windows=$("$wine" winepath -w "$carpeta/varnel.exe" | tr -d '\r')
  "$wine" "$HUMO" "$windows" || fallo "$modo: el programa instalado no abre su ventana"
  # "Abrir con" for the GPS files it reads, never their default program.
  for e in .gpx .kml .fit .kmz .tcx .geojson .trk; do
    clase "$raiz" 'Applications\varnel.exe\SupportedTypes' | grep -q "\\$e " || fallo "$modo: SupportedTypes sin $e"
  done
  clase "$raiz" 'Applications\varnel.exe\shell\open\command' | grep -qF "$windows\" \"%1\"" ||
    fallo "$modo: la orden de abrir no es el programa instalado"
  for e in .gpx .kml .fit .kmz .tcx .geojson .trk; do
    clase "$raiz" "$e\\OpenWithProgids" | grep -q 'Varnel.FicheroGps' || fallo "$modo: $e sin OpenWithProgids"
  done
  clase "$raiz" 'Varnel.FicheroGps\shell\open\command' | grep -qF "$windows" || fallo "$modo: ProgID sin orden"
  clase "$raiz" 'Applications\varnel.exe\shell\open' | grep -q 'MultiSelectModel *REG_SZ *Player' ||
    fallo "$modo: la orden no se ofrece para muchos ficheros"
  if [ "$raiz" = HKLM ]; then  # Wine's shell reads the classes of HKLM only
    # "Abrir con" on three files by the verb as registered: one start per
    # file, as Explorer makes them, and one run of all three, in order.
    d="$DATOS\\gpx"
    "$wine" "$HUMO" "$windows" --varios 'Applications\varnel.exe' "$d\\navarra-track-1.1.gpx" \
      "$d\\navarra.ed50.expected.txt" "$DATOS\\real\\mapsource-ddd-ed50.txt" \
      "$DATOS\\real\\mapsource-ddd-ed50.expected.txt" "$d\\navarra-track.kml" "$d\\navarra.ed50.expected.txt" ||
      fallo "$modo: abrir con varios ficheros"
  fi
  clase "$raiz" .kml | grep -q 'REG_SZ *OtroPrograma.kml' || fallo "$modo: cambió el programa de .kml"
  # The user's datum choice, as the program keeps it, must outlive the program.
  "$wine" reg add 'HKCU\Software\Varnel\varnel' /v datum /d ETRS89 /f /reg:64 >/dev/null
  "$wine" "${windows%\\*}\\desinstalar.exe" /S "/$modo"
  esperar_que_desaparezca "$carpeta/varnel.exe"
  esperar_que_desaparezca "$carpeta"
  [ ! -e "$menu/Varnel.lnk" ] || fallo "$modo: queda el acceso del menú"
  registro "$raiz" | grep -q DisplayName && fallo "$modo: queda en Aplicaciones"
  clase "$raiz" 'Applications\varnel.exe' | grep -q . && fallo "$modo: queda Applications\\varnel.exe"
  clase "$raiz" Varnel.FicheroGps | grep -q . && fallo "$modo: queda el ProgID"
  for e in .gpx .fit .kmz .tcx .geojson .trk; do
    clase "$raiz" $e | grep -q . && fallo "$modo: queda la clave $e que puso"
  done
  clase "$raiz" '.kml\OpenWithProgids' | grep -q . && fallo "$modo: queda .kml\\OpenWithProgids"
  clase "$raiz" .kml | grep -q 'REG_SZ *OtroPrograma.kml' || fallo "$modo: se llevó el programa de .kml"
  "$wine" reg query 'HKCU\Software\Varnel\varnel' /v datum /reg:64 2>/dev/null | tr -d '\r' |
    grep -q 'REG_SZ *ETRS89$' || fallo "$modo: se llevó los ajustes del usuario"
  "$wine" reg query "$raiz\\Software\\Varnel" /reg:64 2>/dev/null | tr -d '\r' | grep -q 'Carpeta\|Modo' &&
    fallo "$modo: quedan los valores que escribió en $raiz\\Software\\Varnel"
  "$wine" reg delete 'HKCU\Software\Varnel' /f /reg:64 >/dev/null
  "$wine" reg delete "$raiz\\Software\\Classes\\.kml" /f /reg:64 >/dev/null
  echo "$modo: instalado en $carpeta, abre, desinstalado sin restos"
}

comprobar AllUsers "$c/Program Files/Varnel" "$c/ProgramData/Microsoft/Windows/Start Menu/Programs" HKLM
usuario="$c/users/$(whoami)"
comprobar CurrentUser "$usuario/AppData/Local/Programs/Varnel" \
  "$usuario/AppData/Roaming/Microsoft/Windows/Start Menu/Programs" HKCU
FIN
DATOS="Z:$PWD/tests/data" VERSION="$version" INSTALADOR="Z:$instalador" PROGRAMA="$PWD/dist/varnel.exe" HUMO="Z:$humo" \
  scripts/with-wine.sh bash "$dentro"
