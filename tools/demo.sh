#!/usr/bin/env bash
# The main job on the built-in substitute game table: installs what is needed, builds, and lets
# the companion follow a short session at the substitute table on the virtual desktop; then the
# summary utility turns the session's deals into pages.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
JOBS=${JOBS:-2}
cmake -S . -B ${BUILD:-build} -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build ${BUILD:-build} -j "$JOBS" --target scorlets scorletsut >/dev/null

folder="$PWD/demo"
rm -rf "$folder/Truth" "$folder/GameRec"
mkdir -p "$folder/Work"
echo "== ScorletS beside the substitute table"
${BUILD:-build}/companion/scorlets --folder "$folder" --deals "${DEALS:-4}" --seed "${SEED:-7}"

# The companion cannot read cards off the screen yet, so it records no deals of its own. The
# substitute table writes its own record of every deal in the same work-file format (Truth/);
# those records stand in for the companion's in Work/ so that the summary pages have deals.
recorded=$(find "$folder/Work" -maxdepth 1 -name '[0-9]*.spd' | wc -l)
if [ "$recorded" -eq 0 ]; then
  prefix=$(date +%m_%d_)
  n=0
  while [ -e "$folder/Work/${prefix}$(printf %03d $((n + 1))).spd" ]; do n=$((n + 1)); done
  for truth in "$folder"/Truth/truth_*.spd; do
    [ -e "$truth" ] || continue
    n=$((n + 1))
    cp "$truth" "$folder/Work/${prefix}$(printf %03d "$n").spd"
  done
  echo "   (no deals recorded by the companion yet: the table's own records were put in Work/)"
fi

echo "== ScorletSut"
${BUILD:-build}/summary/scorletsut --folder "$folder"
echo
echo "Work files:    $folder/Work"
echo "Summary pages: $folder/GameRec"
