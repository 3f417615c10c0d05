#!/usr/bin/env bash
# The companion on a Japanese system under Wine (ANSI code page 932): SpadesTable.exe on the
# Japanese site's language row with Japanese player names plays one whole game; ScorletS.exe,
# with the Japanese interface on (JPN) and the user's game ID in Shift_JIS, follows it. Every
# work file must equal the table's own record of that deal byte for byte, Japanese names written
# in Shift_JIS; then ScorletSut.exe turns the deals into pages that declare Shift_JIS (in its
# Japanese-named output folder).
#
#   companion_japanese.sh WIN_BUILD_DIR RUN_DIR PREFIX
#
# Screenshots are left in RUN_DIR (ja-middeal.png, ja-middeal2.png, ja-summary.png). Exit 77
# (skipped) when wine, Xvfb, the ja_JP locale source or the programs are missing.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

# The game: this seed ends the first game (a side past 500) after six deals.
seed=15
deals=6
names="さくら,ケンジ,ひろみ,ゆうき"  # North, East, South (the user), West
user="ひろみ"

if [ "${1:-}" = "--session" ]; then
  # Inside wine-env.sh -j, in the program folder C:\ScorletS.
  shots="$2"
  take_shots() {  # answers the probe's screenshot requests while it runs
    while kill -0 "$1" 2>/dev/null; do
      for req in *.request; do
        [ -f "$req" ] || continue
        import -window root -display "$DISPLAY" "$shots/ja-${req%.request}.png" 2>/dev/null \
          || echo "screenshot failed"
        rm -f "$req"
      done
      sleep 0.1
    done
  }
  sjis() { iconv -f UTF-8 -t CP932; }
  # On the Japanese interface the pages go to the Japanese-named output folder.
  pages_dir="ゲーム記録"
  rm -rf Work Truth GameRec "$pages_dir" ./*.request events.log
  # The settings file is read in the system's code page. The helper windows stand right of the
  # table and below the main window.
  printf 'JPN=yes\r\nMyYahooID=%s\r\nlog=events.log\r\nBidTrickCounter=(700,560),(700,640)\r\nCountCards=(960,760)\r\nPasteScoreTable=(700,750)\r\n' \
    "$user" | sjis > ScorletS.INI
  # Wine hands the arguments to the table in the system's code page.
  wine SpadesTable.exe --language 2 --names "$names" --seed "$seed" --deals "$deals" \
    --close-when-done --speed 150 --deal-pause 5000 --truth Truth > table.out 2>&1 &
  table_pid=$!
  timeout 420 wine ScorletS.exe > companion.out 2>&1 &
  companion_pid=$!
  timeout 450 wine japanese_probe.exe game 400 > probe.out 2>&1 &
  probe_pid=$!
  take_shots "$probe_pid"
  wait "$probe_pid"; probe_rc=$?
  wait "$companion_pid"; companion_rc=$?
  for _ in $(seq 1 100); do kill -0 "$table_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$table_pid" 2>/dev/null
  wait "$table_pid"; table_rc=$?
  cat probe.out
  ok=0
  # Every work file is one of the table's records, byte for byte, and every deal was recorded.
  recorded=0 equal=0 japanese=0
  for work in Work/[0-9]*.spd; do
    [ -f "$work" ] || continue
    recorded=$((recorded + 1))
    for truth in Truth/truth_*.spd; do
      if cmp -s "$work" "$truth"; then equal=$((equal + 1)); break; fi
    done
    # The names line in Shift_JIS: it decodes as CP932 to the names the table was given.
    [ "$(head -n 1 "$work" | tr -d '\r' | iconv -f CP932 -t UTF-8 2>/dev/null)" = "${names//,/, }" ] \
      && japanese=$((japanese + 1))
  done
  echo "deals played: $deals, recorded: $recorded, equal to the table's record: $equal," \
       "names in Shift_JIS: $japanese"
  if [ "$recorded" -ne "$deals" ] || [ "$equal" -ne "$recorded" ] || [ "$japanese" -ne "$recorded" ]; then
    echo "FAILED: the recorded deals are not the table's"; ok=1
    for work in Work/[0-9]*.spd; do
      [ -f "$work" ] && { echo "-- $work"; tr -d '\r' < "$work" | iconv -f CP932 -t UTF-8 -c; }
    done
    tail -n 30 companion.out
  fi
  # The summary utility: pages for the deals, with the Shift_JIS charset line.
  wine ScorletSut.exe > summary.out 2>&1 &
  summary_pid=$!
  count=-1
  for _ in $(seq 1 90); do  # until the pages stop coming
    sleep 1
    now=$(ls "$pages_dir" 2>/dev/null | wc -l)
    [ "$now" -gt 0 ] && [ "$now" = "$count" ] && break
    count=$now
  done
  import -window root -display "$DISPLAY" "$shots/ja-summary.png" 2>/dev/null
  timeout 40 wine japanese_probe.exe close "$(printf 'ScorletSut 2.5')" > close.out 2>&1 \
    || { cat close.out; kill "$summary_pid" 2>/dev/null; }
  wait "$summary_pid"; summary_rc=$?
  pages=$(ls "$pages_dir"/*.htm 2>/dev/null | wc -l)
  sjis_pages=$(grep -l -i 'charset=Shift_JIS' "$pages_dir"/*.htm 2>/dev/null | wc -l)
  echo "summary pages: $pages, with the Shift_JIS charset line: $sjis_pages (ScorletSut exit $summary_rc)"
  if [ "$pages" -eq 0 ] || [ "$sjis_pages" -ne "$pages" ] || [ "$summary_rc" != 0 ]; then
    echo "FAILED: the pages"; ok=1
    tr -d '\r' < summary.out | tail -n 20
    ls -la "$pages_dir" 2>/dev/null
  fi
  # A name in the pages, read back from Shift_JIS.
  if ! cat "$pages_dir"/*.htm 2>/dev/null | iconv -f CP932 -t UTF-8 -c | grep -q "$user"; then
    echo "FAILED: the user's name is not in the pages"; ok=1
  fi
  echo "probe exit $probe_rc, ScorletS exit $companion_rc, SpadesTable exit $table_rc"
  [ "$probe_rc" = 0 ] && [ "$companion_rc" = 0 ] && [ "$table_rc" = 0 ] && [ "$ok" = 0 ]
  exit $?
fi

win_dir="$1" run_dir="$2" prefix="$3"
for tool in wine Xvfb import iconv; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: '$tool' is not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
done
if ! command -v localedef >/dev/null || [ ! -f /usr/share/i18n/locales/ja_JP ]; then
  echo "SKIPPED: the ja_JP locale source is not installed (package 'locales')"
  exit 77
fi
exes=("$win_dir/companion/ScorletS.exe" "$win_dir/tableclient/SpadesTable.exe"
      "$win_dir/summary/ScorletSut.exe" "$win_dir/tests/wine/japanese_probe.exe")
for exe in "${exes[@]}"; do
  if [ ! -f "$exe" ]; then
    echo "SKIPPED: $exe is missing: build the Windows programs first (tools/build.sh)"
    exit 77
  fi
done

mkdir -p "$run_dir"
run_dir="$(cd "$run_dir" && pwd)"
# The programs run from C:\ScorletS: a plain folder, whatever the build tree is called.
"$root/tools/wine-env.sh" -p "$prefix" -j -- bash -c '
  app="$WINEPREFIX/drive_c/ScorletS"
  rm -rf "$app"; mkdir -p "$app"
  cp "$0" "$1" "$2" "$3" "$app/" && cd "$app" && "$4" --session "$5"
  rc=$?
  cp -r Work Truth ゲーム記録 ./*.out "$5/" 2>/dev/null
  exit $rc' \
  "${exes[@]}" "$here/companion_japanese.sh" "$run_dir"
status=$?
echo "screenshots and files: $run_dir"
exit $status
