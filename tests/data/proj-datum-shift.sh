# Sourced by the scripts that compute expected SITNA lists and datum tables:
# the ED50 <-> ETRS89 shift as PROJ does it when it has IGN's grid
# (data/SPED2ETV2.gsb, hgridshift; cct -I or +inv for the way back) and, where
# the grid does not reach, PROJ's own EPSG:1633 operation (ED50 -> WGS 84) or
# its inverse. Needs proj-bin (projinfo, cct) and git (to find the grid).

REJILLA_SPED2ETV2="$(git rev-parse --show-toplevel)/data/SPED2ETV2.gsb"
[ -r "$REJILLA_SPED2ETV2" ] || { echo "proj-datum-shift.sh: no encuentro $REJILLA_SPED2ETV2" >&2; exit 1; }
REJILLA="+proj=hgridshift +grids=$REJILLA_SPED2ETV2"

# The Helmert step of EPSG:1633, as PROJ's database gives it.
HELMERT_1633=$(projinfo -k operation EPSG:1633 -o PROJ -q --single-line |
  sed -n 's/.*+step \(+proj=helmert [^+]*\(+[a-z]*=[^ ]* *\)*\).*/\1/p' | sed 's/ +step.*//')
case "$HELMERT_1633" in
*+convention=position_vector*) ;;
*) echo "proj-datum-shift.sh: sin el paso Helmert de EPSG:1633" >&2; exit 1 ;;
esac

# tubo_desplazado PASO ORIGEN DESTINO [HUSO ELIPSOIDE]: a pipeline from
# longitude and latitude in degrees (or, with HUSO, a UTM position of that zone
# on ELIPSOIDE) on datum ORIGEN to zone 30 on DESTINO, through PASO (rejilla or
# epsg1633); ORIGEN and DESTINO are ed50 or etrs89 and differ. The list on
# ETRS89 is projected on GRS 80.
tubo_desplazado() {
  if [ -n "${4:-}" ]; then entrada="+step +inv +proj=utm +zone=$4 +ellps=$5"
  else entrada="+step +proj=unitconvert +xy_in=deg +xy_out=rad"; fi
  case "$1-$2-$3" in
  rejilla-ed50-etrs89) cambio="+step $REJILLA"; destino=GRS80 ;;
  rejilla-etrs89-ed50) cambio="+step +inv $REJILLA"; destino=intl ;;
  epsg1633-ed50-etrs89) cambio="+step +proj=cart +ellps=intl +step $HELMERT_1633 +step +inv +proj=cart +ellps=WGS84"; destino=GRS80 ;;
  epsg1633-etrs89-ed50) cambio="+step +proj=cart +ellps=WGS84 +step +inv $HELMERT_1633 +step +inv +proj=cart +ellps=intl"; destino=intl ;;
  *) echo "tubo_desplazado: $1 de $2 a $3" >&2; exit 1 ;;
  esac
  echo "+proj=pipeline $entrada +step +proj=push +v_3 $cambio +step +proj=pop +v_3 +step +proj=utm +zone=30 +ellps=$destino"
}

# cct_uno_por_linea ARGS...: cct, one output line per input line; a point
# cct refuses (two lines: "# Record N ..." and its reason) becomes "fuera".
cct_uno_por_linea() {
  # shellcheck disable=SC2068
  cct $@ | awk '/^#/ { print "fuera"; saltar = 1; next } saltar && /^ \(/ { saltar = 0; next } { saltar = 0; print }'
}

# con_rejilla_o_1633 TUBO_REJILLA TUBO_1633 [CCT_OPCIONES]: "x y z t" lines on
# stdin through the grid, each point the grid does not reach through EPSG:1633
# instead, as PROJ falls back to the next operation; cct -d 4 lines on stdout.
con_rejilla_o_1633() {
  entrada=$(mktemp)
  rejilla=$(mktemp)
  cat >"$entrada"
  # shellcheck disable=SC2086
  cct_uno_por_linea -d ${4:-4} ${3:-} $1 <"$entrada" >"$rejilla"
  # shellcheck disable=SC2086
  cct_uno_por_linea -d ${4:-4} ${3:-} $2 <"$entrada" | paste -d '|' "$rejilla" - |
    awk -F '|' '{ print ($1 == "fuera" ? $2 : $1) }'
  rm -f "$entrada" "$rejilla"
}

# cambiar_datum ORIGEN DESTINO [HUSO ELIPSOIDE]: "x y 0 0" lines on stdin to
# zone 30 on DESTINO, through the grid or, where it does not reach, EPSG:1633.
cambiar_datum() {
  con_rejilla_o_1633 "$(tubo_desplazado rejilla "$@")" "$(tubo_desplazado epsg1633 "$@")"
}
