#!/usr/bin/env bash
# Run by tests/app/wayland-session.sh inside the session, where DISPLAY is the compositor's XWayland
# and WAYLAND_DISPLAY its Wayland socket. Quillot is started as the session's desktop would start
# it, and each check writes a line to <scratch folder>/report:
# - with no platform chosen, the status window is an X11 window that the compositor keeps above,
#   at its start position, with a translucent surface (depth 32) that carries its opacity, and
#   still above a normal window mapped later, raised and given the focus; started again, it is
#   where it was last dragged;
# - with QT_QPA_PLATFORM=wayland it is a native Wayland window: painted, and no X11 window exists;
# - when XWayland does not answer, Quillot still starts, on Wayland.
# Usage: tests/app/wayland-session-checks.sh <scratch folder holding quillot>
set -euo pipefail
scratch=$1
report="$scratch/report"
program_pid=
cover_pid=

say() { echo "wayland session: $*" >>"$report"; }
fail() {
  say "$*"
  cat "$scratch/program.log" >>"$report" 2>/dev/null || true
  exit 1
}
# Runs a command until it succeeds, for at most 10 seconds.
wait_for() {
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# The managed X11 windows, bottom to top, as the compositor stacks them.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' || true; }
# The X11 windows, managed or not, whose title is $1.
titled() { xdotool search --name "^$1\$" 2>/dev/null || true; }
# The managed X11 window whose title is $1, as the compositor names it.
managed_window() {
  local id
  for id in $(titled "$1"); do
    id=$(printf '0x%x' "$id")
    stacking | grep -qx "$id" && echo "$id" && return 0
  done
  return 1
}
stack_position() { stacking | grep -nx "$1" | cut -d: -f1; }
painted() { grep -q '^first-paint' "$scratch/program.log"; }
no_quillot_window() { [ -z "$(titled Quillot)" ]; }

# Starts Quillot with the variables given as NAME=VALUE on top of the session's own: a GNOME
# Wayland session's, with no platform chosen.
start() {
  (cd "$scratch" && exec env -u QT_QPA_PLATFORM XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME \
    QUILLOT_REPORT_FIRST_PAINT=1 "$@" ./quillot) >"$scratch/program.log" 2>&1 &
  program_pid=$!
}
stop() {
  [ -z "$cover_pid" ] || kill "$cover_pid" 2>/dev/null || true
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  cover_pid=
  program_pid=
  wait_for no_quillot_window || fail "Quillot's X11 windows outlived it"
}
trap stop EXIT

read -r screen_width screen_height < <(xwininfo -root | awk '/Width:/ {w = $2} /Height:/ {h = $2}
  END {print w, h}')
# The start position: the screen's top-right corner, 240 twips (16 pixels at 96 dpi) from each edge.
margin=16

start
status=$(wait_for managed_window Quillot) || fail "no platform chosen: no X11 status window"
xprop -id "$status" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE ||
  fail "no platform chosen: the compositor does not keep the window above"
read -r x y width < <(xwininfo -id "$status" | awk '/Absolute upper-left X:/ {x = $4}
  /Absolute upper-left Y:/ {y = $4} /Width:/ {w = $2} END {print x, y, w}')
((x + width == screen_width - margin && y == margin)) ||
  fail "no platform chosen: the window is at $x,$y (width $width), not $margin pixels from the top-right corner"
xwininfo -id "$status" | grep -q 'Depth: 32' ||
  fail "no platform chosen: the window has no translucent surface for its opacity"
say "no platform chosen: an X11 window, kept above, at its start position, translucent"

xev -name cover -geometry "${screen_width}x${screen_height}+0+0" >/dev/null &
cover_pid=$!
cover=$(wait_for managed_window cover) || fail "the covering window did not appear"
timeout 10 xdotool windowraise "$cover" windowactivate --sync "$cover" ||
  fail "the covering window could not be raised and given the focus"
[ "$(xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*')" = "$cover" ] ||
  fail "the covering window does not have the focus"
(($(stack_position "$status") > $(stack_position "$cover"))) ||
  fail "a window mapped later, raised and given the focus covers the status window"
say "no platform chosen: still above a window mapped later, raised and given the focus"
stop

# Where a drag left it, as GM.ini keeps it.
printf '[程序设置]\r\n窗口位置=100,200\r\n' | iconv -f UTF-8 -t GBK >>"$scratch/GM.ini"
start
status=$(wait_for managed_window Quillot) || fail "started again: no X11 status window"
read -r x y < <(xwininfo -id "$status" | awk '/Absolute upper-left X:/ {x = $4}
  /Absolute upper-left Y:/ {y = $4} END {print x, y}')
((x == 100 && y == 200)) || fail "started again: the window is at $x,$y, not where it was left"
say "no platform chosen: started again where it was left"
stop

start QT_QPA_PLATFORM=wayland
wait_for painted || fail "QT_QPA_PLATFORM=wayland: no window painted"
kill -0 "$program_pid" 2>/dev/null || fail "QT_QPA_PLATFORM=wayland: Quillot ended"
no_quillot_window || fail "QT_QPA_PLATFORM=wayland: an X11 window was created"
say "QT_QPA_PLATFORM=wayland: a native Wayland window, no X11 window"
stop

# A display that no X server serves: a Wayland session whose XWayland is gone.
display=100
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
start DISPLAY=":$display"
wait_for painted || fail "XWayland not answering: no window painted"
kill -0 "$program_pid" 2>/dev/null || fail "XWayland not answering: Quillot ended"
say "XWayland not answering: Quillot starts on Wayland"
