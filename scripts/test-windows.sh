#!/usr/bin/env bash
# Cross-builds the Windows program, its installer and zip (make windows) and
# every test, then runs them under Wine: the engine, the window description,
# the resources, the windows in-process, the program started as a user
# starts it, and the installer. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-windows.sh
cmake --build --preset windows
scripts/with-wine.sh ctest --preset windows
scripts/test-installer.sh
