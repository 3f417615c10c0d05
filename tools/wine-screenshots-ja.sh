#!/usr/bin/env bash
# Screenshots of the companion's windows with the Japanese interface under Wine on a Japanese
# system (code page 932), for the user's guide: a deal at the table's Japanese row with the
# helper windows up, the bidding board at the user's turn, and the messages window after the
# table's score window was closed in the middle of a deal.
#
#   tools/wine-screenshots-ja.sh [OUT_DIR]      (default build/screenshots-ja)
#
# Needs the Windows programs (tools/build.sh builds them) and what tools/wine-env.sh needs.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
win="$root/build-win"
out="${1:-$root/build/screenshots-ja}"

if [ "${1:-}" = "--session" ]; then
  out="$2"
  shot() { import -window root -display "$DISPLAY" "$out/$1.png" 2>/dev/null; }
  sjis() { iconv -f UTF-8 -t CP932; }
  names="さくら,ケンジ,ひろみ,ゆうき"
  settings() {
    printf 'JPN=yes\r\nMyYahooID=ひろみ\r\nBidTrickCounter=(700,560),(700,640)\r\nCountCards=(960,760)\r\nPasteScoreTable=(700,750)\r\n%b' "$1" | sjis > ScorletS.INI
  }
  # The bidding board: the table waits for the user's bid.
  settings 'BiddingBoard=(640,700)\r\n'
  wine SpadesTable.exe --language 2 --names "$names" --seed 15 --user-bids --speed 150 > /dev/null 2>&1 &
  table=$!
  wine ScorletS.exe > /dev/null 2>&1 &
  companion=$!
  sleep 25; shot board-1; sleep 5; shot board-2
  wine japanese_probe.exe close "スペード用スコレット" > /dev/null 2>&1
  wine japanese_probe.exe close "ゲーム：Spades" > /dev/null 2>&1
  kill "$table" "$companion" 2>/dev/null; wait
  # A deal with the helper windows; the score window is closed in the middle of it.
  settings ''
  wine SpadesTable.exe --language 2 --names "$names" --seed 15 --speed 250 --deal-pause 5000 > /dev/null 2>&1 &
  table=$!
  wine ScorletS.exe > /dev/null 2>&1 &
  companion=$!
  sleep 30; shot deal-1
  # Moved as a user would, so that no window hides another.
  wine japanese_probe.exe move "Card Play" 0 705 > /dev/null 2>&1
  wine japanese_probe.exe move "最後のハンド" 0 830 > /dev/null 2>&1
  wine japanese_probe.exe move "スペードスコア" 1040 700 > /dev/null 2>&1
  wine japanese_probe.exe move "最後のトリック" 600 740 > /dev/null 2>&1
  sleep 3; shot deal-2
  # The score window opens on a click on the bid-location count, right of the pause button.
  wine japanese_probe.exe clickat 1088 102 > /dev/null 2>&1
  sleep 2; shot score
  wine japanese_probe.exe close "スペードスコア" > /dev/null 2>&1
  for n in $(seq 1 12); do sleep 3; shot "message-$n"; done
  wine japanese_probe.exe close "スペード用スコレット" > /dev/null 2>&1
  wine japanese_probe.exe close "ゲーム：Spades" > /dev/null 2>&1
  kill "$table" "$companion" 2>/dev/null; wait
  exit 0
fi

mkdir -p "$out"
out="$(cd "$out" && pwd)"
exes=("$win/companion/ScorletS.exe" "$win/tableclient/SpadesTable.exe" "$win/tests/wine/japanese_probe.exe")
"$root/tools/wine-env.sh" -p "$root/build/wineprefix-ja" -j -- bash -c '
  app="$WINEPREFIX/drive_c/ScorletS"
  rm -rf "$app"; mkdir -p "$app"
  cp "$0" "$1" "$2" "$app/" && cd "$app" && "$3" --session "$4"' \
  "${exes[@]}" "$root/tools/wine-screenshots-ja.sh" "$out"
echo "screenshots: $out"
