#!/usr/bin/env bash
# Runs the random-action soak of the real program under Wine for longer than the test command does:
#   scripts/soak.sh [actions] [seed]      (defaults: 2000 actions, seed 1)
# A failure names the seed and the action where it stopped, so that the same run can be repeated.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export TZ=Asia/Tokyo
export TSY_SOAK_ACTIONS="${1:-2000}" TSY_SOAK_SEED="${2:-1}"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine wineboot >/dev/null 2>&1 </dev/null || true
  status=0
  wine "$0/bin/tessary_tests.exe" --gtest_filter="SoakTest.*" 2>/dev/null | tr -d "\r" || status=$?
  wineserver -k || true
  exit $status
' "$TSY_BUILD"
