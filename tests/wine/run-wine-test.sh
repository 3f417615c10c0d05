#!/usr/bin/env bash
# The Wine test of platform/win32: the window program and the probe as two processes on one Xvfb
# screen, first with the Western code page, then with the Japanese one (code page 932: titles,
# Japanese font names and text).
#
#   run-wine-test.sh EXE_DIR RUN_DIR PREFIX
#
# EXE_DIR holds scorlet_wine_windows.exe and scorlet_wine_probe.exe (the cross build's tests/wine);
# RUN_DIR is where they run and where clicks.log, the probe's output and screen.png are left.
# Exit 77 (skipped) when wine, Xvfb or the programs are missing.
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"

if [ "${1:-}" = "--session" ]; then
  # Inside wine-env.sh: one run of the pair. $2 is "western" or "japanese".
  mode="$2"
  flag=""
  [ "$mode" = japanese ] && flag="--japanese"
  rm -f clicks.log commands.txt
  wine scorlet_wine_windows.exe clicks.log $flag >"windows-$mode.out" 2>&1 &
  windows_pid=$!
  rm -f screenshot.request
  timeout 90 wine scorlet_wine_probe.exe clicks.log $flag >"probe-$mode.out" 2>&1 &
  probe_pid=$!
  # The probe asks for a screenshot while its windows are up.
  while kill -0 "$probe_pid" 2>/dev/null; do
    if [ -f screenshot.request ]; then
      import -window root -display "$DISPLAY" screen.png 2>/dev/null || echo "screenshot failed"
      rm -f screenshot.request
    fi
    sleep 0.1
  done
  wait "$probe_pid"
  probe_rc=$?
  # The probe closes the windows when it is done; give the program a moment, then stop it.
  for _ in $(seq 1 50); do kill -0 "$windows_pid" 2>/dev/null || break; sleep 0.1; done
  kill "$windows_pid" 2>/dev/null
  wait "$windows_pid"
  windows_rc=$?
  cat "probe-$mode.out"
  echo "[$mode] probe exit $probe_rc, window program exit $windows_rc"
  [ "$probe_rc" = 0 ] && [ "$windows_rc" = 0 ]
  exit $?
fi

exe_dir="$1" run_dir="$2" prefix="$3"
for tool in wine Xvfb; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: '$tool' is not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
done
for exe in scorlet_wine_windows.exe scorlet_wine_probe.exe; do
  if [ ! -f "$exe_dir/$exe" ]; then
    echo "SKIPPED: $exe_dir/$exe is missing: build the Windows programs first (tools/build.sh)"
    exit 77
  fi
done

mkdir -p "$run_dir"
cp "$exe_dir/scorlet_wine_windows.exe" "$exe_dir/scorlet_wine_probe.exe" "$run_dir/"
cd "$run_dir" || exit 1
status=0
"$root/tools/wine-env.sh" -p "$prefix" -- "$here/run-wine-test.sh" --session western || status=1
if command -v localedef >/dev/null && [ -d /usr/share/i18n/locales ] && [ -f /usr/share/i18n/locales/ja_JP ]; then
  "$root/tools/wine-env.sh" -p "$prefix" -j -- "$here/run-wine-test.sh" --session japanese || status=1
else
  echo "[japanese] not run: the ja_JP locale source is not installed (package 'locales')"
fi
echo "screenshot: $run_dir/screen.png"
exit $status
