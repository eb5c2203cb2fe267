#!/usr/bin/env bash
# The tree's conventions, checked: every C++ file formatted as .clang-format
# says, and clang-tidy (the checks in .clang-tidy) silent over the engine, the
# windows, the program, the tests and the benchmarks. Exits non-zero on any
# finding. Uses the compilation database of the default build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
[ -f build/default/compile_commands.json ] || cmake --preset default >/dev/null

echo "capas del motor"
scripts/check-layers.sh

fuentes=$(git ls-files '*.cpp' '*.h')
echo "clang-format: $(echo "$fuentes" | wc -l) ficheros"
clang-format --dry-run --Werror $fuentes

informe=$(mktemp)
errores=$(mktemp)
trap 'rm -f "$informe" "$errores"' EXIT
# clang-tidy itself failing (a file it cannot parse, a broken database) is a
# failure too, not an empty report.
fallo_tidy() {
  echo "clang-tidy falló ($1):" >&2
  grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Use -system-headers' "$errores" >&2 || true
  cat "$informe" >&2
  exit 1
}
# The files this build compiles (Windows-only sources are left to the cross build).
git ls-files 'engine/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'tests/*.cpp' 'bench/*.cpp' |
  while read -r f; do if grep -q "\"file\": \"$PWD/$f\"" build/default/compile_commands.json; then echo "$f"; fi; done |
  xargs -P "$(nproc)" -n 4 clang-tidy -p build/default --quiet >"$informe" 2>"$errores" || fallo_tidy "Linux"
# The Windows-only sources, through the cross build's database (after
# `make test-windows`), parsed as mingw-w64 code.
if [ -f build/windows/compile_commands.json ]; then
  cxx=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix/include/c++ 2>/dev/null | head -1)
  [ -n "$cxx" ] || { echo "clang-tidy Windows: no están las cabeceras de mingw-w64" >&2; exit 1; }
  windows=$(git ls-files 'engine/*_xmllite.cpp' 'ui/win32/*.cpp' 'app/win32/*.cpp' 'tests/win32/*.cpp' 'bench/win32*.cpp')
  echo "clang-tidy Windows: $(echo "$windows" | wc -l) ficheros"
  echo "$windows" | xargs -P "$(nproc)" -n 3 clang-tidy -p build/windows --quiet \
    --extra-arg=--target=x86_64-w64-mingw32 --extra-arg="-isystem$cxx" \
    --extra-arg="-isystem$cxx/x86_64-w64-mingw32" --extra-arg="-isystem$cxx/backward" >>"$informe" 2>"$errores" ||
    fallo_tidy "Windows"
else
  echo "clang-tidy Windows: sin build/windows (make test-windows primero)"
fi
avisos=$(grep -cE '(warning|error):' "$informe" || true)
echo "clang-tidy: $avisos avisos"
if [ "$avisos" -ne 0 ]; then
  grep -A3 -E '(warning|error):' "$informe" >&2
  exit 1
fi
