#!/usr/bin/env bash
# Checks the Debian package that `make package` writes, without installing it
# into this system: its control fields, its exact contents, its menu entry and
# software-centre metadata (validators silent, names agreeing), and the program
# unpacked into a temporary root starting until its window appears (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
# A virtual display of its own for the program's window, by xvfb-run (-noreset:
# no reset, refusing connections, when a program closes).
[ "${VARNEL_XVFB:-}" = 1 ] || VARNEL_XVFB=1 exec xvfb-run -a -n $((100 + RANDOM % 400)) -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$0" "$@"
. build/default/version.env
deb=dist/varnel_${VARNEL_VERSION}-1_amd64.deb
[ -f "$deb" ] || { echo "No está $deb: make package" >&2; exit 1; }
fallos=0
fallo() { echo "FALLO: $*" >&2; fallos=$((fallos + 1)); }

# Control fields.
[ "$(dpkg-deb -f "$deb" Package)" = varnel ] || fallo "Package"
[ "$(dpkg-deb -f "$deb" Version)" = "$VARNEL_VERSION-1" ] || fallo "Version"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fallo "Architecture"
depende=$(dpkg-deb -f "$deb" Depends)
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libexpat1 qt6-translations-l10n; do
  grep -q "\b$d\b" <<<"$depende" || fallo "Depends sin $d: $depende"
done

# Contents, exactly.
id=org.example.varnel
esperado=$(
  echo ./usr/bin/varnel
  echo ./usr/share/applications/$id.desktop
  echo ./usr/share/doc/varnel/copyright
  for lado in 16 22 24 32 48 64 128 256; do echo ./usr/share/icons/hicolor/${lado}x${lado}/apps/$id.png; done
  echo ./usr/share/icons/hicolor/scalable/apps/$id.svg
  echo ./usr/share/metainfo/$id.metainfo.xml
)
contenido=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}')
diff <(sort <<<"$esperado") <(sort <<<"$contenido") || fallo "contenido distinto del esperado"

# The grid built into the program, with IGN's attribution.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/varnel/copyright |
  grep -q "Derivado de datos originales del IGN" || fallo "copyright sin la atribución del IGN"

temporal=$(mktemp -d)
app=
trap 'kill $app 2>/dev/null || true; rm -rf "$temporal"' EXIT
raiz=$temporal/raiz
export XDG_RUNTIME_DIR=$temporal/ejecucion  # Qt's, private
mkdir -m 700 "$XDG_RUNTIME_DIR"
dpkg -x "$deb" "$raiz"

# Metadata: validators silent, hints and pedantic notes included; names agree.
escritorio=$raiz/usr/share/applications/$id.desktop
metainfo=$raiz/usr/share/metainfo/$id.metainfo.xml
salida=$(desktop-file-validate "$escritorio" 2>&1) || fallo "desktop-file-validate: $salida"
[ -z "$salida" ] || fallo "desktop-file-validate dice: $salida"
salida=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || fallo "appstreamcli: $salida"
grep -qE '^[EWIP]:' <<<"$salida" && fallo "appstreamcli dice: $salida"
grep -qx "Icon=$id" "$escritorio" || fallo "Icon= no es $id"
grep -q "<id>$id</id>" "$metainfo" || fallo "el id de metainfo no es $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fallo "launchable"
grep -qx "Exec=varnel %F" "$escritorio" || fallo "Exec="
# The file manager offers the program for the GPS files it reads that the
# MIME database names: the entry and the metadata name the same types.
tipos="application/gpx+xml application/vnd.google-earth.kml+xml application/vnd.google-earth.kmz application/geo+json application/fits"
grep -qx "MimeType=$(tr ' ' ';' <<<"$tipos");" "$escritorio" || fallo "MimeType="
for t in $tipos; do grep -q "<mediatype>$t</mediatype>" "$metainfo" || fallo "metainfo sin $t"; done

# The unpacked program starts and shows its window.
(cd "$raiz" && exec "$raiz/usr/bin/varnel" >/dev/null 2>&1) &
app=$!
ventana=
for _ in $(seq 100); do
  ventana=$(xdotool search --onlyvisible --name "^Traspaso datos entre  SITNA-OziExplorer$" 2>/dev/null | head -1 || true)
  [ -n "$ventana" ] && break
  sleep 0.1
done
[ -n "$ventana" ] || fallo "la ventana del programa desempaquetado no apareció"
kill $app 2>/dev/null || true
wait $app 2>/dev/null || true

# "Abrir con": a GPX named on the command line is taken as a drop once the
# window shows; the list lands in the folder the program started in, on the
# default datum (a settings folder of its own: ED50).
abierto=$temporal/abierto
mkdir -p "$abierto" "$temporal/ajustes"
cp tests/data/gpx/navarra-track-1.1.gpx "$abierto/ruta con espacios.gpx"
(cd "$abierto" && XDG_CONFIG_HOME=$temporal/ajustes exec "$raiz/usr/bin/varnel" "ruta con espacios.gpx" >/dev/null 2>&1) &
app=$!
for _ in $(seq 100); do
  cmp -s "$abierto/Sitna-Descargar.txt" tests/data/gpx/navarra.ed50.expected.txt && break
  sleep 0.1
done
cmp -s "$abierto/Sitna-Descargar.txt" tests/data/gpx/navarra.ed50.expected.txt ||
  fallo "varnel FICHERO.gpx no dejó la lista esperada en Sitna-Descargar.txt"

echo "paquete: $(stat -c %s "$deb") bytes; $(wc -l <<<"$contenido") ficheros; $fallos fallos"
[ "$fallos" -eq 0 ]
