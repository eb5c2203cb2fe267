#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, ASan + UBSan) and runs them.
#   scripts/fuzz.sh --runs N            every target for N inputs (the CI smoke)
#   scripts/fuzz.sh --seconds S [T...]  targets T (default: all) for S seconds each
# Corpora live in build/fuzz-corpus/<target>, seeded from tests/data; crashes are
# written to build/fuzz-crashes/. Copy a crash into tests/data/fuzz-regressions/<target>/
# once fixed, so the regression test replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

limite=()
case "${1:-}" in
  --runs) limite=(-runs="$2"); shift 2 ;;
  --seconds) limite=(-max_total_time="$2"); shift 2 ;;
  *) echo "uso: $0 --runs N | --seconds S [objetivo...]" >&2; exit 2 ;;
esac
objetivos=("$@")
[ ${#objetivos[@]} -gt 0 ] || objetivos=(sitna_file sitna_box ozi_waypoints ozi_track mapsource ozi_wpt ozi_plt mapsource_latlon gpx fit kmz twonav tcx geojson run number_formats)

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz-crashes
for objetivo in "${objetivos[@]}"; do
  corpus=build/fuzz-corpus/$objetivo
  mkdir -p "$corpus"
  extra=()
  if [ "$objetivo" = number_formats ]; then
    printf '612345' > "$corpus/semilla-1"; printf -- '-2.5e3' > "$corpus/semilla-2"; printf ' 4745678.5 ' > "$corpus/semilla-3"
  elif [ "$objetivo" = gpx ]; then
    cp -n tests/data/gpx/*.gpx tests/data/gpx/*.kml tests/data/*.gpx tests/data/*.txt "$corpus/" 2>/dev/null || true
    [ -d tests/data/fuzz-regressions/gpx ] && cp -n tests/data/fuzz-regressions/gpx/* "$corpus/" 2>/dev/null || true
    extra=(-dict=tests/fuzz/gpx.dict)
  elif [ "$objetivo" = fit ] || [ "$objetivo" = kmz ]; then
    cp -n tests/data/gpx/*."$objetivo" "$corpus/" 2>/dev/null || true
  elif [ "$objetivo" = twonav ] || [ "$objetivo" = tcx ] || [ "$objetivo" = geojson ]; then
    declare -A extension=([twonav]='trk wpt' [tcx]=tcx [geojson]=geojson)
    for e in ${extension[$objetivo]}; do cp -n tests/data/gps/*."$e" "$corpus/" 2>/dev/null || true; done
    [ -d "tests/data/fuzz-regressions/$objetivo" ] && cp -n "tests/data/fuzz-regressions/$objetivo/"* "$corpus/" 2>/dev/null || true
  elif [ "$objetivo" = run ]; then
    # The first byte picks the conversion.
    i=0
    for f in tests/data/*.txt tests/data/real/*.txt tests/data/real/*.wpt tests/data/real/*.plt; do
      [ -f "$f" ] || continue
      { printf "\\$(printf '%03o' $((i % 8)))"; cat "$f"; } > "$corpus/$(basename "$f")-$((i % 8))"
      i=$((i + 1))
    done
  else
    cp -n tests/data/*.txt tests/data/real/*.txt tests/data/real/*.wpt tests/data/real/*.plt "$corpus/" 2>/dev/null || true
    [ -d "tests/data/fuzz-regressions/$objetivo" ] && cp -n "tests/data/fuzz-regressions/$objetivo/"* "$corpus/" 2>/dev/null || true
  fi
  echo "== fuzz_$objetivo ${limite[*]}"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "build/fuzz/tests/fuzz/fuzz_$objetivo" "${limite[@]}" "${extra[@]}" -max_len=65536 -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="build/fuzz-crashes/$objetivo-" -print_final_stats=1 "$corpus"
done
