#!/usr/bin/env bash
# Cross-builds the Windows program and what it ships in (VERSION is
# project(VERSION) in CMakeLists.txt):
#   dist/varnel.exe                     the program, one self-contained file
#   dist/varnel-VERSION-setup.exe       the installer (NSIS)
#   dist/varnel-VERSION-windows.zip     varnel.exe and LÉAME.txt, to run from a folder
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows
cmake --preset windows
cmake --build --preset windows --target varnel
. build/windows/version.env
version=$VARNEL_VERSION
leame=build/windows/app/win32/leame.txt
mkdir -p dist
cp build/windows/app/win32/varnel.exe dist/varnel.exe

tamano_kb=$(( ($(stat -c %s dist/varnel.exe) + 1023) / 1024 ))
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DVERSION_WINDOWS="$VARNEL_VERSION_WINDOWS" \
  -DPROGRAMA="$PWD/dist/varnel.exe" -DLEAME="$PWD/$leame" \
  -DICONO="$PWD/ui/win32/artwork/varnel.ico" -DSALIDA="$PWD/dist/varnel-$version-setup.exe" \
  -DTAMANO_KB="$tamano_kb" app/win32/installer.nsi

# Names in UTF-8, flagged as such, so Explorer shows "LÉAME.txt"; fixed dates
# so the same program gives the same zip.
python3 - "$version" "$leame" <<'FIN'
import sys, zipfile
version, leame = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(f"dist/varnel-{version}-windows.zip", "w", zipfile.ZIP_DEFLATED) as z:
    for origen, nombre in (("dist/varnel.exe", "varnel.exe"), (leame, "LÉAME.txt")):
        info = zipfile.ZipInfo(nombre, date_time=(2026, 1, 1, 0, 0, 0))
        info.compress_type = zipfile.ZIP_DEFLATED
        info.external_attr = 0o644 << 16
        with open(origen, "rb") as f:
            z.writestr(info, f.read())
FIN
for f in dist/varnel.exe "dist/varnel-$version-setup.exe" "dist/varnel-$version-windows.zip"; do
  echo "$f: $(stat -c %s "$f") bytes"
done
