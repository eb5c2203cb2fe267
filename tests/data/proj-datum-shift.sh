# Sourced by the scripts that compute expected SITNA lists: PROJ pipelines
# (for cct) that take a point as a file holds it to a zone-30 list on the
# other datum, through PROJ's own EPSG:1633 operation (ED50 -> WGS 84) or its
# inverse. Needs proj-bin (projinfo, cct).

# The Helmert step of EPSG:1633, as PROJ's database gives it.
HELMERT_1633=$(projinfo -k operation EPSG:1633 -o PROJ -q --single-line |
  sed -n 's/.*+step \(+proj=helmert [^+]*\(+[a-z]*=[^ ]* *\)*\).*/\1/p' | sed 's/ +step.*//')
case "$HELMERT_1633" in
*+convention=position_vector*) ;;
*) echo "proj-datum-shift.sh: sin el paso Helmert de EPSG:1633" >&2; exit 1 ;;
esac

# tubo_desplazado ORIGEN DESTINO [HUSO ELIPSOIDE]: a pipeline from longitude
# and latitude in degrees (or, with HUSO, a UTM position of that zone on
# ELIPSOIDE) on datum ORIGEN to zone 30 on DESTINO; ORIGEN and DESTINO are
# ed50 or etrs89 and differ. The list on ETRS89 is projected on GRS 80.
tubo_desplazado() {
  if [ -n "${3:-}" ]; then entrada="+step +inv +proj=utm +zone=$3 +ellps=$4"
  else entrada="+step +proj=unitconvert +xy_in=deg +xy_out=rad"; fi
  case "$1-$2" in
  ed50-etrs89) cambio="+step +proj=cart +ellps=intl +step $HELMERT_1633 +step +inv +proj=cart +ellps=WGS84"; destino=GRS80 ;;
  etrs89-ed50) cambio="+step +proj=cart +ellps=WGS84 +step +inv $HELMERT_1633 +step +inv +proj=cart +ellps=intl"; destino=intl ;;
  *) echo "tubo_desplazado: $1 a $2" >&2; exit 1 ;;
  esac
  echo "+proj=pipeline $entrada +step +proj=push +v_3 $cambio +step +proj=pop +v_3 +step +proj=utm +zone=30 +ellps=$destino"
}
