#!/usr/bin/env bash
# Installs what the build needs, makes the Japanese locale and the Wine prefix, then builds
# everything (native tools and tests first, then the Windows program and its tests).
# Sourced by run.sh, test.sh, bench.sh and fuzz.sh; leaves TSY_* variables for them. With
# TSY_NATIVE_ONLY=1 it builds only the native part and leaves the locale and Wine alone.
set -euo pipefail
TSY_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TSY_BUILD="${TSY_BUILD:-$TSY_ROOT/build}"

tsy_missing_packages() {
  local missing=()
  while read -r pkg; do
    [ -z "$pkg" ] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done < "$TSY_ROOT/scripts/packages.txt"
  echo "${missing[@]:-}"
}

missing=$(tsy_missing_packages)
if [ -n "$missing" ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "Installing: $missing"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
  else
    echo "Missing packages. Run as root:"
    echo "  apt-get install -y --no-install-recommends $missing"
    exit 1
  fi
fi

mkdir -p "$TSY_BUILD"
cmake -S "$TSY_ROOT/native" -B "$TSY_BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$TSY_BUILD/native"
if [ "${TSY_NATIVE_ONLY:-}" = 1 ]; then return 0; fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  if [ "$(id -u)" = 0 ]; then
    sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  else
    echo "The ja_JP.UTF-8 locale is missing. Run as root: locale-gen ja_JP.UTF-8"
    exit 1
  fi
fi

export LANG=ja_JP.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$TSY_BUILD/wineprefix"
export WINEARCH=win64
# Tests, benchmarks and screenshots run inside a Wine virtual desktop: without a window manager
# on Xvfb, every hidden top-level window would otherwise wait two seconds for X11 to confirm it.
if [ ! -f "$WINEPREFIX/.tessary-desktop" ]; then
  echo "Making the Wine prefix in $WINEPREFIX"
  wineboot --init >/dev/null 2>&1 </dev/null || true
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tessary-desktop"
fi

cmake -S "$TSY_ROOT" -B "$TSY_BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$TSY_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DTSY_HOST_TOOLS="$TSY_BUILD/native" >/dev/null
cmake --build "$TSY_BUILD/win"
