#!/usr/bin/env bash
# Cross-builds the engine and its tests for Windows (mingw-w64) and runs them
# under Wine. Exits non-zero when a test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh windows
cmake --preset windows
cmake --build --preset windows
scripts/with-wine.sh ctest --preset windows
