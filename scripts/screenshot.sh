#!/usr/bin/env bash
# Runs Quillot as a user would, on a virtual X display, and photographs it:
#   docs/status-window.png  the status window, on a schedule with activities around the current time
#   docs/task-editor.png    the task editor, opened by a click on the window's bare band
# Usage: scripts/screenshot.sh [build folder, default build/default]
#        scripts/screenshot.sh quillot-<version>-windows-x86_64.zip
# Given the Windows zip, it runs quillot.exe under Wine in code page 936 instead and saves
# docs/windows-status-window.png and docs/windows-task-editor.png.
# Needs Xvfb, xdotool, ImageMagick and fonts-wqy-microhei (scripts/install-deps.sh installs them),
# and for the zip wine64 and unzip.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
target=${1:-build/default}

scratch=$(mktemp -d)
pids=()
cleanup() {
  # The program first, then its display.
  [ -z "${wineserver:-}" ] || "$wineserver" -k >/dev/null 2>&1 || true
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

start_xvfb "$scratch" 1024x640
pids+=("$xvfb")

# GM.ini lives beside the executable, so the program runs from a copy in the scratch folder.
if [[ $target == *.zip ]]; then
  prefix=windows-
  use_wine
  export WINEPREFIX="$scratch/prefix"
  "$wine" wineboot --init >/dev/null 2>&1
  unzip -q "$target" -d "$WINEPREFIX/drive_c"
  folder="$WINEPREFIX/drive_c/Quillot"
  run=("$wine" 'C:\Quillot\quillot.exe')
else
  prefix=
  folder=$scratch
  copy_program "$target" "$folder"
  export QT_QPA_PLATFORM=xcb
  run=(./quillot)
fi

# A schedule with something open now and something opening soon, whatever the time of day.
at() { date -d "$1 min" +%H:%M; }
printf '%s\r\n' \
  '[固定时间任务日程]' \
  "晨读打卡=$(at -2)|每日" \
  "喝水提醒=$(at +12),$(at +25)|每日" \
  '[范围时间任务日程]' \
  "自习时段=$(at -20)-$(at +40)|每日" \
  "团队周会=$(at +18)-$(at +48)|每日" \
  '[持续时间设置]' \
  '持续时间=5' | iconv -f UTF-8 -t GBK >"$folder/GM.ini"

(cd "$folder" && exec "${run[@]}") &
pids+=($!)

find_window() {  # name pattern; prints the window id
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 && return 0
    sleep 0.1
  done
  return 1
}
# The screen's picture where the window is: what the user sees, with the window's opacity over
# the (black) screen.
photograph() {  # window id, file
  local geometry
  geometry=$(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /Width/{w=$NF} /Height/{h=$NF} END{print w "x" h "+" x "+" y}')
  mkdir -p docs
  import -window root -crop "$geometry" +repage "docs/$2"
  echo "saved docs/$2"
}

status=$(find_window '^Quillot$') || { echo "the status window did not appear" >&2; exit 1; }
# The pointer moving over the window brings up the "×" in its corner (Wine takes the first
# position as the pointer's entry, not yet as a move).
xdotool mousemove --window "$status" 36 10
sleep 0.5
xdotool mousemove --window "$status" 40 12
sleep 1
photograph "$status" "${prefix}status-window.png"

# A click on the bare band above the lists opens the editor.
xdotool click 1
if editor=$(find_window '任务生成'); then
  sleep 1
  photograph "$editor" "${prefix}task-editor.png"
else
  echo "the task editor did not appear; only the status window was saved" >&2
fi
