#!/usr/bin/env bash
# End-to-end test of the companion under Wine: ScorletS.exe and SpadesTable.exe as two processes
# on one Xvfb screen. The companion must take the table over (caption with table and host), put
# the table window at (0, 0) 615 x 700 on the 1280-pixel screen, open the table's three
# sub-windows by clicking its buttons, follow two whole games with its helper windows on and
# record every deal equal to the table's own record of it, go off line when the table closes,
# and close on WM_CLOSE; ScorletSut.exe then writes the pages from the companion's work files.
# Then, at a German table whose score window the companion cannot find, the seat overlays, the
# German message in the messages window, and a restart taking the overlays off the table window.
# Then two deals at a German table, each recorded equal to the table's record of it.
# Then, on a Japanese system, the main window in Japanese.
#
#   companion_e2e.sh WIN_BUILD_DIR RUN_DIR PREFIX
#
# Screenshots are left in RUN_DIR: the whole screen (MODE-NAME.png) and each of the companion's
# windows cut out of it (MODE-NAME-CAPTION.png). Exit 77 (skipped) when wine, Xvfb or the
# programs are missing.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

if [ "${1:-}" = "--session" ]; then
  # Inside wine-env.sh, in the program folder C:\ScorletS.
  mode="$2" shots="$3"
  games=2
  take_shots() {  # answers the probe's screenshot requests while it runs
    while kill -0 "$1" 2>/dev/null; do
      for req in *.request; do
        [ -f "$req" ] || continue
        name="${req%.request}"
        shot="$shots/$mode-$name.png"
        import -window root -display "$DISPLAY" "$shot" 2>/dev/null || echo "screenshot failed"
        # Each listed window cut out on its own, named by its caption.
        while read -r x y w h caption; do
          [ -n "$h" ] && [ "$x" -ge 0 ] && [ "$y" -ge 0 ] || continue
          label=$(printf '%s' "${caption:-untitled-$x-$y}" | tr -c 'A-Za-z0-9-' '_' | cut -c1-40)
          convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage "$shots/$mode-$name-$label.png" 2>/dev/null
        done < <(tr -d '\r' < "$req")
        rm -f "$req"
      done
      sleep 0.1
    done
  }
  rm -f ./*.request events.log
  if [ "$mode" = western ]; then
    # The user sits South under the table's own name for that seat, with the helper windows on:
    # the counters, the card-play window, the score window, the bid helper, the bidding board
    # (the table waits a moment for the user's bid, then a bot bids for the user), the alert
    # question, the bids painted beside the seats and the counts of the debug labels (one of them
    # opens the score window). With a log file the bid helper shows in
    # the third and fourth seat whatever the score. West is on the alert list.
    # Every window has a place of its own on the 1280 x 1024 screen: the table at the corner,
    # the main window at the right edge, the game's score window, the bid helper and the board
    # between them, the card-play window and the score window under the main window, the
    # counters under the table (the card-play window's place comes from the position file).
    printf '%s\r\n' 'log=events.log' 'CFG=positions.cfg' 'MyYahooID=South' \
      'BidTrickCounter=(10,835),(240,835)' 'CountCards=(874,650)' 'PasteScoreTable=(874,775)' \
      'HelpBidIn4thSeat=(620,250)' 'BiddingBoard=(620,400)' 'AskAlert=(1100,960)' \
      'BoldBidTrick=yes' 'DebugWindow=yes' > ScorletS.INI
    printf '%s\r\n' '1280  PC Screen Width' '872 0 646  Scorlet Window' '0 0  Spades Window' \
      '0 0  Score Window' '0 0  Last Hand Window' '0 0  Last Trick Window' \
      '874 650  Card Play Window' '10 835  Left Counter' '240 835  Right Counter' > positions.cfg
    printf 'West(Overbidder),\r\n' > Alert.TXT
    rm -rf Work Truth GameRec
    started=$(date +%s)
    # Seed 202 plays two whole games in 12 deals (each ends a little past 500), about 6 minutes
    # at this pace; the first seed plays 36.
    wine SpadesTable.exe --games "$games" --seed 202 --close-when-done --speed 150 --deal-pause 5000 \
      --user-bids --bid-wait 5000 --truth Truth \
      --score-at 620,0 --last-hand-at 0,705 --last-trick-at 620,640 > table.out 2>&1 &
    table_pid=$!
    timeout 720 wine ScorletS.exe > companion.out 2>&1 &
    companion_pid=$!
    timeout 750 wine companion_e2e_probe.exe online 700 > probe-$mode.out 2>&1 &
    probe_pid=$!
  elif [ "$mode" = message ]; then
    # A German table (language row 3): the probe asks for the bids by hand until the companion
    # answers in German in its messages window.
    printf '%s\r\n' 'log=events.log' 'MyYahooID=South' 'BoldBidTrick=yes' > ScorletS.INI
    rm -f Alert.TXT
    rm -rf Work Truth
    wine SpadesTable.exe --deals 8 --close-when-done --speed 200 --language 3 \
      > table.out 2>&1 &
    table_pid=$!
    timeout 200 wine ScorletS.exe > companion.out 2>&1 &
    companion_pid=$!
    timeout 200 wine companion_e2e_probe.exe message > probe-$mode.out 2>&1 &
    probe_pid=$!
  elif [ "$mode" = german ]; then
    # Two whole deals at a German table (language row 3), each recorded equal to the table's own
    # record of it.
    printf '%s\r\n' 'log=events.log' 'MyYahooID=South' > ScorletS.INI
    rm -f Alert.TXT
    rm -rf Work Truth
    wine SpadesTable.exe --deals 2 --close-when-done --speed 60 --deal-pause 3000 --language 3 \
      --truth Truth > table.out 2>&1 &
    table_pid=$!
    timeout 150 wine ScorletS.exe > companion.out 2>&1 &
    companion_pid=$!
    timeout 150 wine companion_e2e_probe.exe follow 120 > probe-$mode.out 2>&1 &
    probe_pid=$!
  else
    printf 'JPN=yes\r\n' > ScorletS.INI
    table_pid=""
    timeout 60 wine ScorletS.exe > companion.out 2>&1 &
    companion_pid=$!
    timeout 60 wine companion_e2e_probe.exe japanese > probe-$mode.out 2>&1 &
    probe_pid=$!
  fi
  take_shots "$probe_pid"
  wait "$probe_pid"; probe_rc=$?
  wait "$companion_pid"; companion_rc=$?
  table_rc=0
  if [ -n "$table_pid" ]; then
    if [ "$mode" = message ]; then kill "$table_pid" 2>/dev/null; fi
    for _ in $(seq 1 100); do kill -0 "$table_pid" 2>/dev/null || break; sleep 0.1; done
    kill "$table_pid" 2>/dev/null
    wait "$table_pid"; table_rc=$?
    [ "$mode" = message ] && table_rc=0
  fi
  cat "probe-$mode.out"
  log_ok=0
  if [ "$mode" = western ] || [ "$mode" = german ]; then
    # Every deal played was recorded, and every work file the companion wrote is the table's
    # record of that deal, byte for byte.
    played=0 recorded=0 equal=0
    for truth in Truth/truth_*.spd; do [ -f "$truth" ] && played=$((played + 1)); done
    for work in Work/[0-9]*.spd; do
      [ -f "$work" ] || continue
      recorded=$((recorded + 1))
      for truth in Truth/truth_*.spd; do
        if cmp -s "$work" "$truth"; then equal=$((equal + 1)); break; fi
      done
    done
    echo "deals played: $played, recorded: $recorded, equal to the table's record: $equal"
    if [ "$equal" -ne "$recorded" ] || [ "$recorded" -ne "$played" ] || [ "$played" -lt 2 ]; then
      echo "FAILED: the recorded deals are not the deals played"; log_ok=1
      for work in Work/[0-9]*.spd; do [ -f "$work" ] && { echo "-- $work"; tr -d '\r' < "$work"; }; done
      grep -h -i 'not recorded\|record' companion.out | tail -n 20
    fi
  fi
  if [ "$mode" = western ]; then
    if grep -q "Online ==> OffLine" events.log 2>/dev/null; then
      echo "event log: $(tr -d '\r' < events.log | tail -n 1)"
    else
      echo "FAILED: no ' Online ==> OffLine' line in the event log"; log_ok=1
    fi
    echo "two games at the table took $(( $(date +%s) - started )) s"
    # The pages of the recorded deals: the index names each game's page, and the pages hold
    # every deal.
    # ScorletSut.exe writes the pages, then waits for its End: closed once the index is there.
    timeout 120 wine ScorletSut.exe > summary.out 2>&1 &
    summary_pid=$!
    for _ in $(seq 1 600); do
      [ -f GameRec/index.htm ] && [ -f GameRec/players.htm ] && break
      kill -0 "$summary_pid" 2>/dev/null || break
      sleep 0.1
    done
    sleep 1
    timeout 60 wine companion_e2e_probe.exe close ScorletSut >> summary.out 2>&1
    wait "$summary_pid"; summary_rc=$?
    pages=(GameRec/*.htm)
    if [ ! -f GameRec/index.htm ]; then
      echo "FAILED: ScorletSut.exe wrote no index page (exit $summary_rc)"; log_ok=1
    else
      linked=0
      for page in "${pages[@]}"; do
        case "$(basename "$page")" in index.htm|players.htm) continue ;; esac
        grep -q "$(basename "$page")" GameRec/index.htm && linked=$((linked + 1))
      done
      echo "ScorletSut.exe: ${#pages[@]} pages, $linked named in the index (exit $summary_rc)"
      [ "$linked" -ge 2 ] || { echo "FAILED: the index does not name a page per game"; log_ok=1; }
      [ "$summary_rc" = 0 ] || { echo "FAILED: ScorletSut.exe exit $summary_rc"; log_ok=1; }
    fi
    if [ -f positions.cfg ]; then
      echo "window positions saved: $(tr -d '\r' < positions.cfg | head -n 3 | tr '\n' '|')"
    else
      echo "FAILED: the window positions were not saved at the end"; log_ok=1
    fi
  fi
  echo "[$mode] probe exit $probe_rc, ScorletS exit $companion_rc, SpadesTable exit $table_rc"
  [ "$probe_rc" = 0 ] && [ "$companion_rc" = 0 ] && [ "$table_rc" = 0 ] && [ "$log_ok" = 0 ]
  exit $?
fi

win_dir="$1" run_dir="$2" prefix="$3"
for tool in wine Xvfb import; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: '$tool' is not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
done
exes=("$win_dir/companion/ScorletS.exe" "$win_dir/tableclient/SpadesTable.exe"
      "$win_dir/summary/ScorletSut.exe" "$win_dir/tests/wine/companion_e2e_probe.exe")
for exe in "${exes[@]}"; do
  if [ ! -f "$exe" ]; then
    echo "SKIPPED: $exe is missing: build the Windows programs first (tools/build.sh)"
    exit 77
  fi
done

mkdir -p "$run_dir"
run_dir="$(cd "$run_dir" && pwd)"
status=0
run_session() {  # mode, extra wine-env options
  local mode="$1"; shift
  # The programs run from C:\ScorletS: a plain folder, whatever the build tree is called.
  "$root/tools/wine-env.sh" -p "$prefix" "$@" -- bash -c '
    app="$WINEPREFIX/drive_c/ScorletS"
    rm -rf "$app"; mkdir -p "$app"
    cp "$0" "$1" "$2" "$3" "$app/" && cd "$app" && "$4" --session "$5" "$6"' \
    "${exes[@]}" "$here/companion_e2e.sh" "$mode" "$run_dir" || status=1
}
# E2E_MODES picks sessions when trying one out by hand (default: all four).
modes=" ${E2E_MODES:-western message german japanese} "
[[ "$modes" == *" western "* ]] && run_session western
[[ "$modes" == *" message "* ]] && run_session message
[[ "$modes" == *" german "* ]] && run_session german
if [[ "$modes" == *" japanese "* ]]; then
  if command -v localedef >/dev/null && [ -f /usr/share/i18n/locales/ja_JP ]; then
    run_session japanese -j
  else
    echo "[japanese] not run: the ja_JP locale source is not installed (package 'locales')"
  fi
fi
echo "screenshots: $run_dir"
exit $status
