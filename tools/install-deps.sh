#!/usr/bin/env bash
# Installs what building and testing need on Debian 12; quiet, and does nothing when all is there.
set -euo pipefail
pkgs=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
      g++-mingw-w64-x86-64 wine wine64 fonts-wine fonts-liberation fonts-droid-fallback
      fonts-ipafont-gothic xvfb xauth imagemagick locales opensp w3c-sgml-lib zlib1g-dev)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq >/dev/null
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
