#!/bin/sh
# Regenerates every file in this folder: MapSource exports and OziExplorer
# files written by Debian's gpsbabel from the committed GPX files, the variants
# made from them (hand-edited headers, other encodings), and for each input the
# SITNA list it must give (<name>.expected.txt, the list on the file's own
# datum), computed with PROJ's own `proj` and `cs2cs` on the positions as the
# file writes them, and the list on the other datum (<name>.otro-datum.expected.txt),
# through IGN's grid (PROJ's hgridshift) or, where it does not reach, PROJ's
# EPSG:1633 operation, with `cct`.
# Needs gpsbabel, proj-bin and iconv.
set -eu
cd "$(dirname "$0")"
export LC_ALL=C
. ../proj-datum-shift.sh
trap 'rm -f tmp-gpx.txt tmp-fichero.txt' EXIT

fallo() {
    echo "make-real-files.sh: $*" >&2
    exit 1
}

# --- Reading positions back from the files ---------------------------------

# One line per point, in file order: "utm ZONE EASTING NORTHING" or
# "geo LONGITUDE LATITUDE" (decimal degrees).
puntos_mapsource() {
    awk -F '\t' '
        function geo(p,   t, n, i, k, hem, val, div) {
            n = split(p, t, / +/)
            for (i = 1; i <= n; i++) {
                if (t[i] ~ /^[NSEW]/) {
                    hem[++k] = substr(t[i], 1, 1); t[i] = substr(t[i], 2); val[k] = 0; div = 1
                }
                val[k] += t[i] / div; div *= 60
            }
            return sprintf("geo %.10f %.10f", val[2] * (hem[2] == "W" ? -1 : 1), val[1] * (hem[1] == "S" ? -1 : 1))
        }
        { sub(/\r$/, "") }
        $1 == "Header" { pos = 0; for (i = 2; i <= NF; i++) if ($i == "Position") pos = i }
        $1 == "Trackpoint" {
            p = $(pos ? pos : 2)
            n = split(p, t, / +/)
            if (t[1] ~ /^[0-9]+$/ && t[2] ~ /^[A-Z]$/) print "utm", t[1], t[3], t[4]
            else print geo(p)
        }' "$1"
}

datum_mapsource() { awk -F '\t' '{ sub(/\r$/, "") } $1 == "Datum" { print $2; exit }' "$1"; }

# OziExplorer's own files: waypoint latitude and longitude in fields 3 and 4
# after four header lines, track points in fields 1 and 2 after six.
puntos_ozi() {
    awk -F ',' -v primero="$2" -v campo="$3" '
        function limpio(s) { gsub(/[ \r]/, "", s); return s }
        NR >= primero { printf "geo %.10f %.10f\n", limpio($(campo + 1)), limpio($campo) }' "$1"
}

datum_ozi() { sed -n '2{s/\r$//;p;q}' "$1"; }

# The program's own Ozi text layout: "Datum,NAME", then TP or WP records.
puntos_texto_ozi() {
    awk -F ',' '
        { sub(/\r$/, "") }
        $1 == "TP" { z = $3; sub(/[A-Z]$/, "", z); print "utm", z, $4, $5 }
        $1 == "WP" { z = $4; sub(/[A-Z]$/, "", z); print "utm", z, $5, $6 }' "$1"
}

datum_texto_ozi() { sed -n '1{s/\r$//;s/^Datum,//;p;q}' "$1"; }

# The list datum a file's datum belongs to, and the other one.
familia() {
    case "$1" in
    "European 1950"*) echo ed50 ;;
    "WGS 84" | ETRS89) echo etrs89 ;;
    *) fallo "datum sin familia: $1" ;;
    esac
}
otra() { if [ "$1" = ed50 ]; then echo etrs89; else echo ed50; fi; }

elipsoide() {
    case "$1" in
    "WGS 84") echo WGS84 ;;
    "European 1950"*) echo intl ;;
    ETRS89) echo GRS80 ;;
    *) fallo "datum sin elipsoide: $1" ;;
    esac
}

# --- Projecting with PROJ ---------------------------------------------------

# Reads point lines, writes SITNA list lines (CR LF). A zone-30 UTM position
# is kept as written; anything else is projected to zone 30 on ellipsoid $1
# and rounded to whole metres, half away from zero. With $2 = "hasta-fuera"
# the list stops before the first point outside zone 30's six-digit eastings
# and seven-digit northings (a file the program refuses there); otherwise
# such a point is a mistake in this script's data. With DESPLAZAR="FROM TO"
# (ed50, etrs89) every point is shifted to the other datum first.
proyectar() {
    while read -r tipo a b c; do
        if [ -n "${DESPLAZAR:-}" ]; then
            case "$tipo" in
            # shellcheck disable=SC2086
            utm) r=$(echo "$b $c 0 0" | cambiar_datum $DESPLAZAR "$a" "$1") ;;
            # shellcheck disable=SC2086
            geo) r=$(echo "$a $b 0 0" | cambiar_datum $DESPLAZAR) ;;
            *) fallo "punto ilegible: $tipo $a $b $c" ;;
            esac
        else case "$tipo" in
        utm)
            if [ "$a" = 30 ]; then
                printf '%06d,%07d\r\n' "$b" "$c"
                continue
            fi
            r=$(echo "$b $c" | cs2cs +proj=utm +zone="$a" +ellps="$1" +to +proj=utm +zone=30 +ellps="$1" -f %.4f)
            ;;
        geo) r=$(echo "$a $b" | proj +proj=utm +zone=30 +ellps="$1" -f %.4f) ;;
        *) fallo "punto ilegible: $tipo $a $b $c" ;;
        esac
        fi
        linea=$(echo "$r" | awk '
            function redondo(v,   a, e, f) {
                a = v < 0 ? -v : v; e = int(a); f = a - e
                if (f > 0.499 && f < 0.501) ambiguo = 1
                if (f >= 0.5) e++
                return v < 0 ? -e : e
            }
            {
                if ($1 !~ /^-?[0-9.]+$/ || $2 !~ /^-?[0-9.]+$/) { print "FUERA"; exit }
                x = redondo($1); y = redondo($2)
                if (ambiguo) print "AMBIGUO"
                else if (x < 100000 || x > 999999 || y < 1000000 || y > 9999999) print "FUERA"
                else printf "%06d,%07d\n", x, y
            }')
        case "$linea" in
        AMBIGUO) fallo "a menos de 1 mm de medio metro: $tipo $a $b $c -> $r" ;;
        FUERA)
            [ "${2:-}" = hasta-fuera ] || fallo "punto fuera del huso 30: $tipo $a $b $c -> $r"
            return 0
            ;;
        *) printf '%s\r\n' "$linea" ;;
        esac
    done
    [ "${2:-}" != hasta-fuera ] || fallo "ningún punto fuera del huso 30"
}

esperado_mapsource() { puntos_mapsource "$1" | proyectar "$(elipsoide "$(datum_mapsource "$1")")" ${2:-}; }
esperado_ozi_wpt() { puntos_ozi "$1" 5 3 | proyectar "$(elipsoide "$(datum_ozi "$1")")" ${2:-}; }
esperado_ozi_plt() { puntos_ozi "$1" 7 1 | proyectar "$(elipsoide "$(datum_ozi "$1")")" ${2:-}; }
# The text layout falls back to International 1924 for a datum it does not know.
esperado_texto_ozi() {
    case "$(datum_texto_ozi "$1")" in
    "WGS 84" | "European 1950"* | ETRS89) e=$(elipsoide "$(datum_texto_ozi "$1")") ;;
    *) e=intl ;;
    esac
    puntos_texto_ozi "$1" | proyectar "$e" ${2:-}
}

# The known points of a GPX, "geo LON LAT" per point, of the tracks or the waypoints.
puntos_gpx() {
    sed -n "s/.*<$2 lat=\"\([-0-9.]*\)\" lon=\"\([-0-9.]*\)\".*/\2 \1/p" "$1" |
        awk '{ printf "geo %.10f %.10f\n", $1, $2 }'
}

# A file on WGS 84 must write the GPX's points exactly.
exactos() {
    puntos_gpx navarra.gpx "$2" >tmp-gpx.txt
    if ! cmp -s tmp-gpx.txt "$1"; then
        diff tmp-gpx.txt "$1" >&2 || true
        fallo "$3 no escribe los puntos exactos"
    fi
    rm -f tmp-gpx.txt "$1"
}

# --- MapSource exports --------------------------------------------------------

exportar() { # grid datum gpx out [filters...]
    rejilla=$1 datum=$2 gpx=$3 salida=$4
    shift 4
    gpsbabel -i gpx -f "$gpx" "$@" -o garmin_txt,grid="$rejilla",datum="$datum" -F "$salida"
}

for d in wgs84:"WGS 84" ed50:"European 1950"; do
    nombre=${d%%:*} datum=${d#*:}
    exportar utm "$datum" navarra.gpx mapsource-utm-$nombre.txt
    exportar ddd,prec=5 "$datum" navarra.gpx mapsource-ddd-$nombre.txt
    exportar dmm,prec=3 "$datum" navarra.gpx mapsource-dmm-$nombre.txt
    exportar dms,prec=1 "$datum" navarra.gpx mapsource-dms-$nombre.txt
    exportar utm "$datum" huso31.gpx mapsource-utm-huso31-$nombre.txt
done
for g in ddd dmm dms; do
    puntos_mapsource mapsource-$g-wgs84.txt >tmp-fichero.txt
    exactos tmp-fichero.txt trkpt mapsource-$g-wgs84.txt
    # The same file with the Grid line's degree sign in UTF-8.
    sed '1s/\xb0/\xc2\xb0/' mapsource-$g-wgs84.txt >mapsource-$g-wgs84-grado-utf8.txt
    grep -q "$(printf 'Grid\t.*\302\260')" mapsource-$g-wgs84-grado-utf8.txt || fallo "sin grado UTF-8 ($g)"
done
grep -q "$(printf '^Grid\tUTM\r$')" mapsource-utm-wgs84.txt || fallo "mapsource-utm-wgs84.txt sin Grid UTM"
grep -q "$(printf '\t31 T ')" mapsource-utm-huso31-wgs84.txt || fallo "mapsource-utm-huso31-wgs84.txt sin huso 31"

# The GRS 80 datum name, by hand on a WGS 84 export.
sed '2s/^Datum\tWGS 84/Datum\tETRS89/' mapsource-dmm-wgs84.txt >mapsource-dmm-etrs89.txt

# Time before Position in the track point header and records.
awk -F '\t' -v OFS='\t' '($1 == "Header" && $2 == "Position") || $1 == "Trackpoint" { t = $2; $2 = $3; $3 = t } 1' \
    mapsource-dmm-wgs84.txt >mapsource-dmm-hora-antes.txt
grep -q "$(printf '^Header\tTime\tPosition\t')" mapsource-dmm-hora-antes.txt || fallo "cabecera sin cambiar"

# Refused: another grid (gpsbabel's own and by hand), another datum, points
# outside what a zone-30 list holds.
exportar bng "WGS 84" lejos.gpx mapsource-bng.txt -x track,name=Londres
sed '1s/^Grid\t[^\r]*/Grid\tMaidenhead/' mapsource-ddd-wgs84.txt >mapsource-maidenhead.txt
exportar dmm,prec=3 "Tokyo" navarra.gpx mapsource-tokyo.txt
exportar ddd,prec=5 "WGS 84" lejos.gpx mapsource-ddd-mexico.txt -x track,name=Mexico
exportar ddd,prec=5 "WGS 84" lejos.gpx mapsource-ddd-sur.txt -x track,name=AtlanticoSur
exportar dmm,prec=3 "WGS 84" lejos.gpx mapsource-dmm-takoradi.txt -x track,name=Takoradi
exportar utm "WGS 84" lejos.gpx mapsource-utm-pisa.txt -x track,name=Pisa

# --- OziExplorer's own files ------------------------------------------------

gpsbabel -i gpx -f navarra.gpx -x nuketypes,tracks -o ozi -F ozi-wgs84-waypoints.wpt
gpsbabel -i gpx -f navarra.gpx -x nuketypes,waypoints -o ozi,pack=1 -F ozi-wgs84-track.plt
gpsbabel -i gpx -f lejos.gpx -x track,name=AtlanticoSur -o ozi,pack=1 -F ozi-sur-track.plt
sed '2s/^WGS 84/Tokyo/' ozi-wgs84-waypoints.wpt >ozi-tokyo-waypoints.wpt
puntos_ozi ozi-wgs84-waypoints.wpt 5 3 >tmp-fichero.txt
exactos tmp-fichero.txt wpt ozi-wgs84-waypoints.wpt
puntos_ozi ozi-wgs84-track.plt 7 1 >tmp-fichero.txt
exactos tmp-fichero.txt trkpt ozi-wgs84-track.plt

# By hand, as OziExplorer itself pads them, on European 1950 datums.
for d in ed50:"European 1950" ed50-espana:"European 1950 (Spain and Portugal)"; do
    nombre=${d%%:*} datum=${d#*:}
    awk -F ',' -v datum="$datum" '
        { sub(/\r$/, "") }
        NR == 2 { $0 = datum }
        NR > 4 { $0 = sprintf("%4d,%-14s,%11.6f,%11.6f,%s,%s,1,3,0,65535,%-40s,0,0,0,-777,6,0,17", \
                              $1, $2, $3, $4, $5, $6, $11) }
        { printf "%s\r\n", $0 }' ozi-wgs84-waypoints.wpt >ozi-$nombre-waypoints.wpt
    awk -F ',' -v datum="$datum" '
        { sub(/\r$/, "") }
        NR == 2 { $0 = datum }
        NR > 6 { $0 = sprintf("%11.6f,%11.6f,%d, %6.1f,%s,,", $1, $2, $3, $4, $5) }
        { printf "%s\r\n", $0 }' ozi-wgs84-track.plt >ozi-$nombre-track.plt
done

# The program's own Ozi text track crossing into zone 31 (written by hand
# from gpsbabel's UTM positions).
for d in wgs84:"WGS 84" ed50:"European 1950"; do
    nombre=${d%%:*} datum=${d#*:}
    awk -F '\t' -v datum="$datum" '
        BEGIN { printf "Datum,%s\r\n", datum }
        $1 == "Trackpoint" { split($2, p, " "); printf "TP,UTM,%s%s,%s,%s,,,%d,,,,,,\r\n", p[1], p[2], p[3], p[4], n++ == 0 }' \
        mapsource-utm-huso31-$nombre.txt >ozitrack-huso31-$nombre.txt
done
sed '1s/^Datum,.*\r$/Datum,Tokyo\r/' ozitrack-huso31-ed50.txt >ozitrack-huso31-otro.txt
grep -q '^Datum,Tokyo' ozitrack-huso31-otro.txt || fallo "ozitrack-huso31-otro.txt sin Tokyo"

# --- Every encoding ---------------------------------------------------------

codificar() { # input base extension
    { printf '\357\273\277'; iconv -f WINDOWS-1252 -t UTF-8 "$1"; } >"$2-utf8bom.$3"
    { printf '\377\376'; iconv -f WINDOWS-1252 -t UTF-16LE "$1"; } >"$2-utf16le.$3"
    { printf '\376\377'; iconv -f WINDOWS-1252 -t UTF-16BE "$1"; } >"$2-utf16be.$3"
}
codificar ../sitna-3.txt sitna-3 txt
codificar ../oziwp-3-N.txt oziwp-3-N txt
codificar ../ozitrack-3.txt ozitrack-3 txt
# Without the Datum line the first record is line 1, right after the mark.
sed 1d ../oziwp-3-N.txt >tmp-fichero.txt
codificar tmp-fichero.txt oziwp-3-N-sin-cabecera txt
sed 1d ../ozitrack-3.txt >tmp-fichero.txt
codificar tmp-fichero.txt ozitrack-3-sin-cabecera txt
codificar ozi-wgs84-waypoints.wpt ozi-wgs84-waypoints wpt
codificar ozi-wgs84-track.plt ozi-wgs84-track plt
codificar mapsource-dmm-wgs84.txt mapsource-dmm-wgs84 txt

# --- Expected SITNA lists -----------------------------------------------------

for f in mapsource-utm-wgs84 mapsource-utm-ed50 mapsource-ddd-wgs84 mapsource-ddd-ed50 mapsource-dmm-wgs84 \
    mapsource-dmm-ed50 mapsource-dms-wgs84 mapsource-dms-ed50 mapsource-utm-huso31-wgs84 \
    mapsource-utm-huso31-ed50 mapsource-dmm-etrs89 mapsource-dmm-hora-antes; do
    esperado_mapsource $f.txt >$f.expected.txt
done
for f in mapsource-ddd-mexico mapsource-ddd-sur mapsource-dmm-takoradi mapsource-utm-pisa; do
    esperado_mapsource $f.txt hasta-fuera >$f.expected.txt
done
for f in ozi-wgs84 ozi-ed50 ozi-ed50-espana; do
    esperado_ozi_wpt $f-waypoints.wpt >$f-waypoints.expected.txt
    esperado_ozi_plt $f-track.plt >$f-track.expected.txt
done
esperado_ozi_plt ozi-sur-track.plt hasta-fuera >ozi-sur-track.expected.txt
for f in ozitrack-huso31-wgs84 ozitrack-huso31-ed50 ozitrack-huso31-otro; do
    esperado_texto_ozi $f.txt >$f.expected.txt
done

# The same files when the list is on the other datum: shifted by the grid
# (EPSG:1633 where it does not reach).
desplazar() { # datum-name
    f=$(familia "$1")
    echo "$f $(otra "$f")"
}
for f in mapsource-utm-wgs84 mapsource-utm-ed50 mapsource-ddd-wgs84 mapsource-ddd-ed50 mapsource-dmm-wgs84 \
    mapsource-dmm-ed50 mapsource-dms-wgs84 mapsource-dms-ed50 mapsource-utm-huso31-wgs84 \
    mapsource-utm-huso31-ed50 mapsource-dmm-etrs89; do
    DESPLAZAR=$(desplazar "$(datum_mapsource $f.txt)") esperado_mapsource $f.txt >$f.otro-datum.expected.txt
done
for f in ozi-wgs84 ozi-ed50 ozi-ed50-espana; do
    DESPLAZAR=$(desplazar "$(datum_ozi $f-waypoints.wpt)") esperado_ozi_wpt $f-waypoints.wpt \
        >$f-waypoints.otro-datum.expected.txt
    DESPLAZAR=$(desplazar "$(datum_ozi $f-track.plt)") esperado_ozi_plt $f-track.plt >$f-track.otro-datum.expected.txt
done
for f in ozitrack-huso31-wgs84 ozitrack-huso31-ed50; do
    DESPLAZAR=$(desplazar "$(datum_texto_ozi $f.txt)") esperado_texto_ozi $f.txt >$f.otro-datum.expected.txt
done
# A datum the text layout does not know is the list's: on ETRS89, GRS 80.
puntos_texto_ozi ozitrack-huso31-otro.txt | proyectar GRS80 >ozitrack-huso31-otro.otro-datum.expected.txt

# The time-before-position file holds the same points as its source.
cmp -s mapsource-dmm-hora-antes.expected.txt mapsource-dmm-wgs84.expected.txt || fallo "hora-antes difiere"
echo "make-real-files.sh: $(ls | wc -l) ficheros"
