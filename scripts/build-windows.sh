#!/usr/bin/env bash
# Cross-builds the Windows program into dist/varnel.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows
cmake --preset windows
cmake --build --preset windows --target varnel
mkdir -p dist
cp build/windows/app/win32/varnel.exe dist/varnel.exe
echo "dist/varnel.exe: $(stat -c %s dist/varnel.exe) bytes"
