#!/usr/bin/env bash
# Builds everything, then runs every test (unit, virtual-desktop integration, Wine end-to-end).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
ctest --test-dir build --output-on-failure -j "${JOBS:-2}"
