#!/usr/bin/env bash
# Sets everything up, builds, and starts Tessary under Wine: on $DISPLAY when there is one,
# otherwise on a virtual display, saving a screenshot whose path it prints.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

rm -rf "$TSY_BUILD/bin/HELP"
[ -d "$TSY_ROOT/res/HELP" ] && cp -r "$TSY_ROOT/res/HELP" "$TSY_BUILD/bin/HELP"

if [ -n "${DISPLAY:-}" ]; then
  # On a real display the window manager is there: use a prefix without the virtual desktop.
  export WINEPREFIX="$TSY_BUILD/wineprefix-display"
  [ -f "$WINEPREFIX/system.reg" ] || { wineboot --init >/dev/null 2>&1 </dev/null || true; wineserver -w; }
  exec wine "$TSY_BUILD/bin/tessary.exe" "$@"
fi

shot="$TSY_BUILD/screenshot.png"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine wineboot >/dev/null 2>&1 </dev/null || true
  wine "$0" "${@:2}" &
  sleep "${TSY_SHOT_DELAY:-8}"
  import -window root "$1"
  wineserver -k || true
' "$TSY_BUILD/bin/tessary.exe" "$shot" "$@"
echo "No display: Tessary ran on a virtual display. Screenshot: $shot"
