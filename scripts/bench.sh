#!/usr/bin/env bash
# Start-up time and peak memory of Tessary under Wine, against a bare window process.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine wineboot >/dev/null 2>&1 </dev/null || true
  wine "$0" "${1:-5}" | tr -d "\r"
  wineserver -k || true
' "$TSY_BUILD/bin/tessary_bench.exe" "${1:-5}"
