#!/usr/bin/env bash
# Builds the native programs and tests (build/) and the Windows programs (build-win/).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${JOBS:-2}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
if command -v x86_64-w64-mingw32-g++ >/dev/null; then
  cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build-win -j "$jobs"
else
  echo "mingw-w64 not installed: Windows programs not built"
fi
