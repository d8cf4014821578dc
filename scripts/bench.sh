#!/usr/bin/env bash
# Start-up time and peak memory of Tessary under Wine, against a bare window process, and the time
# to list folders of 10,000 and 100,000 files against the floor of a bare listing, and the time of a
# layout of the tab bar with 1,000 tabs, how soon the main list shows changes made on disk, and how
# soon a drag of 10,000 selected items reaches a drop target, how soon the settings dialog opens,
# the time of a mouse move through a list while a gesture is drawn, and how soon 1,000 pictures get
# their thumbnails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  wineserver -p
  wine wineboot >/dev/null 2>&1 </dev/null || true
  wine "$0" "${1:-5}" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_listing_bench.exe" "${2:-3}" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_tab_bar_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_watch_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_tree_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_drag_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_drop_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_settings_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_gesture_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_thumbnail_bench.exe" | tr -d "\r"
  wine "${0%tessary_bench.exe}tessary_memory_bench.exe" | tr -d "\r"
  wineserver -k || true
' "$TSY_BUILD/bin/tessary_bench.exe" "${1:-5}" "${2:-3}"
