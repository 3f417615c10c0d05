#!/usr/bin/env bash
# The glyph reader beside Tesseract: configures the native build with the comparison on, builds
# it and runs it on some four thousand line crops drawn by the substitute table. Installs
# nothing: says what to install when Tesseract is missing. Arguments go to the program
# (--tables N, --seed S, --scale K, ...: see bench/ocr/ocr_compare.cpp).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
jobs=${JOBS:-2}

missing=()
command -v cmake >/dev/null || missing+=(cmake)
command -v pkg-config >/dev/null || missing+=(pkg-config)
if ! pkg-config --exists tesseract 2>/dev/null; then
  missing+=(libtesseract-dev libleptonica-dev)
fi
if ! command -v tesseract >/dev/null || ! tesseract --list-langs 2>/dev/null | grep -qx eng; then
  missing+=(tesseract-ocr)
fi
if ((${#missing[@]})); then
  echo "The OCR comparison needs: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCORLET_BENCH=ON \
  -DSCORLET_OCR_COMPARE=ON >/dev/null
cmake --build "$build" -j "$jobs" --target ocr-compare
# One thread for the engine too: the glyph reader reads on one.
OMP_THREAD_LIMIT=1 "$build/bench/ocr-compare" "$@"
