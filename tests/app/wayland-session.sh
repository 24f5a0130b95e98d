#!/usr/bin/env bash
# Quillot on a GNOME Wayland session, headless: mutter as the compositor, with XWayland, in a D-Bus
# session and a runtime folder of its own. tests/app/wayland-session-checks.sh runs inside it.
# Usage: tests/app/wayland-session.sh [build folder, default build/default]
# Needs mutter, xwayland, x11-utils, xdotool, dbus-daemon and qt6-wayland (scripts/test.sh
# installs them).
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/common.sh
build=${1:-build/default}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
copy_program "$build" "$scratch"
mkdir -m 700 "$scratch/runtime"
# XWayland's sockets go here. A booted system makes the folder world-writable; mutter starts no
# XWayland in one that is not.
[ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix

# mutter runs the command after "--" inside the session, with its DISPLAY, WAYLAND_DISPLAY and
# XAUTHORITY, and ends with it, failing when it fails.
started=$(date +%s%N)
if XDG_RUNTIME_DIR="$scratch/runtime" dbus-run-session -- \
  mutter --headless --wayland --virtual-monitor 1024x768 -- \
  tests/app/wayland-session-checks.sh "$scratch" >"$scratch/session.log" 2>&1; then
  cat "$scratch/report"
  echo "wayland session: passed in $((($(date +%s%N) - started) / 1000000)) ms"
else
  cat "$scratch/report" "$scratch/session.log" >&2 2>/dev/null || true
  echo "wayland session: failed" >&2
  exit 1
fi
