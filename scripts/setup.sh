#!/usr/bin/env bash
# Installs the Debian packages Varnel needs to build, test and run.
# Only what is missing is installed; runs apt-get as root or through sudo.
# `setup.sh windows` adds what the Windows cross build and Wine need.
set -euo pipefail

paquetes=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n openbox
  libgtest-dev libbenchmark-dev
  fonts-liberation
  clang libclang-rt-14-dev clang-format clang-tidy
  xvfb xauth x11-utils xdotool imagemagick time python3 valgrind
  librsvg2-bin dpkg-dev desktop-file-utils appstream
  gpsbabel proj-bin libproj-dev libexpat1-dev expat libxml2-utils
  zlib1g-dev zip unzip
  rapidjson-dev
)
if [ "${1:-}" = windows ]; then
  paquetes+=(g++-mingw-w64-x86-64-posix googletest wine64 nsis icoutils)
  paquetes+=(libz-mingw-w64-dev)
fi

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0

echo "Instalando: ${faltan[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "Faltan paquetes (${faltan[*]}) y no hay sudo: instálelos como root." >&2
  exit 1
fi
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${faltan[@]}"
