#!/usr/bin/env bash
# Runs Quillot as a user would, on a virtual X display, and photographs it:
#   docs/status-window.png  the status window, on a schedule with activities around the current time
#   docs/task-editor.png    the task editor, opened by a click on the window's bare band
# Usage: scripts/screenshot.sh [build folder, default build/default]
# Needs Xvfb, xdotool, ImageMagick and fonts-wqy-microhei (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
program="$build/app/quillot"
[ -x "$program" ] || { echo "no $program: build the quillot target first" >&2; exit 1; }

scratch=$(mktemp -d)
pids=()
cleanup() {
  # The program first, then its display.
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# GM.ini lives beside the executable: a copy in the scratch folder keeps the build folder clean.
cp "$program" "$scratch/quillot"

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
  '持续时间=5' | iconv -f UTF-8 -t GBK >"$scratch/GM.ini"

Xvfb -screen 0 1024x640x24 -nolisten tcp -displayfd 3 3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$scratch/display")"
export QT_QPA_PLATFORM=xcb

(cd "$scratch" && exec ./quillot) &
pids+=($!)

find_window() {  # name pattern; prints the window id
  for _ in $(seq 100); do
    xdotool search --name "$1" 2>/dev/null | head -n1 && return 0
    sleep 0.1
  done
  return 1
}

status=$(find_window '^Quillot$') || { echo "the status window did not appear" >&2; exit 1; }
# The pointer over the window brings up the "×" in its corner.
xdotool mousemove --window "$status" 40 12
sleep 1
mkdir -p docs
import -window "$status" docs/status-window.png
echo "saved docs/status-window.png"

# A click on the bare band above the lists opens the editor.
xdotool click 1
if editor=$(find_window '任务生成'); then
  sleep 1
  import -window "$editor" docs/task-editor.png
  echo "saved docs/task-editor.png"
else
  echo "the task editor did not appear; only the status window was saved" >&2
fi
