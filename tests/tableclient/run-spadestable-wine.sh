#!/usr/bin/env bash
# SpadesTable.exe under Wine on Xvfb: it opens its windows, plays two deals unattended, writes
# their truth files and closes itself; the files must equal those the native build writes for
# the same seed (the deal and the bots are the same on both systems). A bad command line ends
# with exit code 2.
#
#   run-spadestable-wine.sh EXE_DIR RUN_DIR PREFIX TRUTH_TOOL
#
# Exit 77 (skipped) when wine, Xvfb or SpadesTable.exe is missing. A screenshot taken during
# play is left in RUN_DIR/spadestable.png.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
args=(--seed 31 --deals 2 --speed 5 --names ann,bob,cy,dee --truth Truth)

if [ "${1:-}" = "--session" ]; then
  rm -rf Truth
  timeout 120 wine SpadesTable.exe "${args[@]}" --close-when-done &
  pid=$!
  for _ in $(seq 1 600); do
    [ -f Truth/truth_001.spd ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  import -window root -display "$DISPLAY" spadestable.png 2>/dev/null || echo "screenshot failed"
  wait "$pid"
  rc=$?
  echo "SpadesTable exit $rc"
  [ "$rc" = 0 ] || exit 1
  timeout 60 wine SpadesTable.exe --seat Q
  bad=$?
  echo "SpadesTable with a bad command line: exit $bad"
  [ "$bad" = 2 ] || exit 1
  exit 0
fi

exe_dir="$1" run_dir="$2" prefix="$3" tool="$4"
for t in wine Xvfb; do
  if ! command -v "$t" >/dev/null; then
    echo "SKIPPED: '$t' is not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
done
if [ ! -f "$exe_dir/SpadesTable.exe" ]; then
  echo "SKIPPED: $exe_dir/SpadesTable.exe is missing: build the Windows programs first (tools/build.sh)"
  exit 77
fi

mkdir -p "$run_dir"
cp "$exe_dir/SpadesTable.exe" "$run_dir/"
cd "$run_dir" || exit 1
rm -rf Native
"$tool" "${args[@]/Truth/Native}" || { echo "the native truth tool failed"; exit 1; }
"$root/tools/wine-env.sh" -p "$prefix" -- "$here/run-spadestable-wine.sh" --session || exit 1
status=0
for n in 001 002; do
  if ! cmp "Truth/truth_$n.spd" "Native/truth_$n.spd"; then
    echo "deal $n: the Windows table played otherwise than the native engine"
    status=1
  fi
done
echo "screenshot: $run_dir/spadestable.png"
exit $status
