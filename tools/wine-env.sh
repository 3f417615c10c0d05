#!/usr/bin/env bash
# Runs one command with the Windows programs' environment: an Xvfb screen and a Wine prefix.
#
#   tools/wine-env.sh [-p PREFIX] [-j] [-s SHOT.png [-t SECONDS]] [--] COMMAND [ARGS...]
#
#   -p PREFIX   Wine prefix folder; created on first use, then reused (default: build/wineprefix).
#               Keep it inside the build tree: the programs refuse to run from temporary folders.
#   -j          Japanese system: ANSI code page 932 (the locale is compiled once into PREFIX.locale).
#   -s SHOT     save a screenshot of the whole screen as a PNG file: after the command ends, or
#   -t SECONDS  that many seconds after it started, while its windows are up. For example
#                 tools/wine-env.sh -s table.png -t 4 -- timeout 6 wine build-win/SpadesTable.exe
#
# Inside the command DISPLAY, WINEPREFIX, WINEARCH, WINEDEBUG and WINEDLLOVERRIDES are set, so
# `wine prog.exe` just works; a screenshot at any moment is `import -window root -display "$DISPLAY" F`.
# The exit status is the command's. It is 77 (the "skipped" status of CTest) when wine or Xvfb is not
# installed, and 1 when the screen or the prefix cannot be set up.
#
# Runs that share a prefix are serialised with a lock on it (they would share one wineserver, and
# the first to finish would end the other's). At the end the wineserver is killed, then Xvfb.
set -uo pipefail

prefix="$(cd "$(dirname "$0")/.." && pwd)/build/wineprefix"
japanese=0
shot=""
shot_after=""
while [ $# -gt 0 ]; do
  case "$1" in
    -p) prefix="$2"; shift 2 ;;
    -j) japanese=1; shift ;;
    -s) shot="$2"; shift 2 ;;
    -t) shot_after="$2"; shift 2 ;;
    --) shift; break ;;
    -h|--help) awk 'NR > 1 && /^#/ { print; next } NR > 1 { exit }' "$0"; exit 0 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "wine-env.sh: no command given (see --help)" >&2; exit 2; }

for tool in wine wineserver Xvfb; do
  if ! command -v "$tool" >/dev/null; then
    echo "wine-env.sh: SKIPPED: '$tool' is not installed (tools/install-deps.sh installs it)" >&2
    exit 77
  fi
done

mkdir -p "$(dirname "$prefix")"
prefix="$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")"
# fd 9 holds the lock; no child gets it (a wineserver left running would keep the prefix locked).
exec 9>"$prefix.lock"
if ! flock -w 600 9; then
  echo "wine-env.sh: prefix $prefix stays locked by another run" >&2
  exit 1
fi

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono/Gecko installer prompts, a crash exits at once instead of waiting in the debugger, no ALSA.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d;winealsa.drv=d"

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A free display: probe from a number few others pick, and take the next one if Xvfb loses a race.
start_xvfb() {
  local n=$((200 + RANDOM % 600)) tries
  for tries in $(seq 1 30); do
    n=$((n + 1))
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 9>&- &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
      if [ -e "/tmp/.X11-unix/X$n" ]; then export DISPLAY=":$n"; return 0; fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=""
  done
  return 1
}
start_xvfb || { echo "wine-env.sh: could not start Xvfb" >&2; exit 1; }

if [ "$japanese" = 1 ]; then
  # A private compiled locale, so no system-wide locale set-up is needed.
  locdir="$prefix.locale"
  if [ ! -d "$locdir/ja_JP.UTF-8" ]; then
    mkdir -p "$locdir"
    localedef -i ja_JP -f UTF-8 "$locdir/ja_JP.UTF-8" >/dev/null 2>&1 || [ -d "$locdir/ja_JP.UTF-8" ] || {
      echo "wine-env.sh: localedef ja_JP.UTF-8 failed (package 'locales')" >&2; exit 1; }
  fi
  export LOCPATH="$locdir"
  { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null # this shell cannot load it: harmless
fi

# Bump when the settings below change: existing prefixes then get them on their next run.
settings_version=3
apply_settings() {
  local reg="$prefix/scorlet-settings.reg"
  # Managed=N: without a window manager Wine draws no frames and every window close waits 2 s.
  # (Unmanaged windows minimise to a small icon rectangle at the screen's bottom left, not to
  # -32000 as on Windows.) The font replacements make the Windows font names enumerate and
  # render with the Liberation fonts; the Japanese ones map to IPA Gothic where it is installed.
  cat >"$reg" <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Courier New"="Liberation Mono"
"Times New Roman"="Liberation Serif"
"Microsoft Sans Serif"="Liberation Sans"
"MS Gothic"="IPAGothic"
"MS PGothic"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
EOF
  wine regedit /S "$reg" >/dev/null 2>&1 9>&- || return 1
  # The Japanese names the programs look for (full-width letters): regedit takes them from a
  # UTF-16 file only.
  printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ ゴシック"="IPAGothic"' '"ＭＳ Ｐゴシック"="IPAPGothic"' '"メイリオ"="IPAPGothic"' |
    iconv -f UTF-8 -t UTF-16 >"$prefix/scorlet-fonts-ja.reg" || return 1
  wine regedit /S "$prefix/scorlet-fonts-ja.reg" >/dev/null 2>&1 9>&- || return 1
  # Debian's Wine does not load its own fonts: Symbol, Tahoma and the caption glyphs live there.
  mkdir -p "$prefix/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null
  wineserver -w 9>&-
  echo "$settings_version" >"$prefix/.scorlet-settings"
}
# A server left by a run that was killed would still talk to that run's (dead) screen.
[ -d "$prefix" ] && wineserver -k >/dev/null 2>&1 9>&-
if [ ! -f "$prefix/.scorlet-created" ]; then   # absent also after an interrupted creation
  echo "wine-env.sh: creating Wine prefix $prefix (about 10 s)" >&2
  rm -rf "$prefix"
  wineboot -i >/dev/null 2>&1 9>&- && wineserver -w 9>&- || { echo "wine-env.sh: wineboot failed" >&2; exit 1; }
  touch "$prefix/.scorlet-created"
fi
if [ "$(cat "$prefix/.scorlet-settings" 2>/dev/null)" != "$settings_version" ]; then
  apply_settings || { echo "wine-env.sh: could not apply the prefix settings" >&2; exit 1; }
fi

wineserver -p >/dev/null 2>&1 9>&-   # keep one warm server for the whole command: starts take 0.1 s
screenshot() { import -window root -display "$DISPLAY" "$shot" 2>/dev/null || echo "wine-env.sh: screenshot failed" >&2; }
shooter=""
if [ -n "$shot" ] && [ -n "$shot_after" ]; then
  ( sleep "$shot_after"; screenshot ) &
  shooter=$!
fi
"$@" 9>&-
rc=$?
if [ -n "$shooter" ]; then
  wait "$shooter"
elif [ -n "$shot" ]; then
  screenshot
fi
exit $rc
