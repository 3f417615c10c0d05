#!/usr/bin/env bash
# End-to-end test of the companion under Wine: ScorletS.exe and SpadesTable.exe as two processes
# on one Xvfb screen. The companion must take the table over (caption with table and host), put
# the table window at (0, 0) 615 x 700 on the 1280-pixel screen, open the table's three
# sub-windows by clicking its buttons, record the deals played (each work file equal to the
# table's own record of that deal), go off line when the table closes, and close on WM_CLOSE.
# Then, on a Japanese system, the main window in Japanese.
#
#   companion_e2e.sh WIN_BUILD_DIR RUN_DIR PREFIX
#
# Screenshots are left in RUN_DIR (online.png, japanese.png). Exit 77 (skipped) when wine, Xvfb
# or the programs are missing.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

if [ "${1:-}" = "--session" ]; then
  # Inside wine-env.sh, in the program folder C:\ScorletS.
  mode="$2" shots="$3"
  deals=6
  take_shots() {  # answers the probe's screenshot requests while it runs
    while kill -0 "$1" 2>/dev/null; do
      for req in *.request; do
        [ -f "$req" ] || continue
        name="${req%.request}"
        import -window root -display "$DISPLAY" "$shots/$mode-$name.png" 2>/dev/null \
          || echo "screenshot failed"
        rm -f "$req"
      done
      sleep 0.1
    done
  }
  rm -f ./*.request events.log
  if [ "$mode" = western ]; then
    # The user sits South under the table's own name for that seat.
    printf 'log=events.log\r\nCFG=positions.cfg\r\nMyYahooID=South\r\n' > ScorletS.INI
    rm -rf Work Truth
    wine SpadesTable.exe --deals "$deals" --close-when-done --speed 150 --deal-pause 5000 \
      --truth Truth > table.out 2>&1 &
    table_pid=$!
    timeout 330 wine ScorletS.exe > companion.out 2>&1 &
    companion_pid=$!
    timeout 360 wine companion_e2e_probe.exe online > probe-$mode.out 2>&1 &
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
    for _ in $(seq 1 100); do kill -0 "$table_pid" 2>/dev/null || break; sleep 0.1; done
    kill "$table_pid" 2>/dev/null
    wait "$table_pid"; table_rc=$?
  fi
  cat "probe-$mode.out"
  log_ok=0
  if [ "$mode" = western ]; then
    if grep -q "Online ==> OffLine" events.log 2>/dev/null; then
      echo "event log: $(tr -d '\r' < events.log | tail -n 1)"
    else
      echo "FAILED: no ' Online ==> OffLine' line in the event log"; log_ok=1
    fi
    # Every work file the companion wrote is one of the table's records, byte for byte, and at
    # least five deals were recorded.
    recorded=0 equal=0
    for work in Work/[0-9]*.spd; do
      [ -f "$work" ] || continue
      recorded=$((recorded + 1))
      for truth in Truth/truth_*.spd; do
        if cmp -s "$work" "$truth"; then equal=$((equal + 1)); break; fi
      done
    done
    echo "deals played: $deals, recorded: $recorded, equal to the table's record: $equal"
    if [ "$equal" -ne "$recorded" ] || [ "$equal" -lt 5 ]; then
      echo "FAILED: the recorded deals are not the table's"; log_ok=1
      for work in Work/[0-9]*.spd; do [ -f "$work" ] && { echo "-- $work"; tr -d '\r' < "$work"; }; done
      grep -h -i 'not recorded\|record' companion.out | tail -n 20
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
      "$win_dir/tests/wine/companion_e2e_probe.exe")
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
    cp "$0" "$1" "$2" "$app/" && cd "$app" && "$3" --session "$4" "$5"' \
    "${exes[@]}" "$here/companion_e2e.sh" "$mode" "$run_dir" || status=1
}
run_session western
if command -v localedef >/dev/null && [ -f /usr/share/i18n/locales/ja_JP ]; then
  run_session japanese -j
else
  echo "[japanese] not run: the ja_JP locale source is not installed (package 'locales')"
fi
echo "screenshots: $run_dir"
exit $status
