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
rm -rf "$folder/Truth" "$folder/GameRec" "$folder/Work"
mkdir -p "$folder"
# The demo's own settings: the user's game ID, so the companion finds the user's seat (the
# substitute table seats the user South), and the helper windows beside the table: the bid and
# trick counters, the card-play window and the score window.
{
  printf 'MyYahooID=South\r\n'
  printf 'BidTrickCounter=(700,560),(700,640)\r\n'
  printf 'CountCards=(960,760)\r\n'
  printf 'PasteScoreTable=(700,750)\r\n'
} > "$folder/ScorletS.INI"
picture="$folder/GameRec/desktop.png"
mkdir -p "$folder/GameRec"
echo "== ScorletS beside the substitute table"
${BUILD:-build}/companion/scorlets --folder "$folder" --deals "${DEALS:-4}" --seed "${SEED:-7}" \
  --picture "$picture"

echo "== ScorletSut"
${BUILD:-build}/summary/scorletsut --folder "$folder"
echo
echo "Work files:    $folder/Work"
echo "Summary pages: $folder/GameRec"
echo "Picture:       $picture"
