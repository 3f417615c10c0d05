#!/usr/bin/env bash
# The main job on the built-in substitute game table: installs what is needed, builds, lets the
# companion follow a few deals at the substitute table on the virtual desktop (recording them into
# demo/Work/), then turns the recorded deals into summary pages (demo/GameRec/).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
JOBS=${JOBS:-2}
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$JOBS" --target scorlets scorletsut >/dev/null
folder="$PWD/demo"
mkdir -p "$folder"
build/companion/scorlets --folder "$folder" --deals "${DEALS:-4}" --seed "${SEED:-7}"
build/summary/scorletsut --folder "$folder"
echo
echo "Work files:    $folder/Work"
echo "Summary pages: $folder/GameRec"
