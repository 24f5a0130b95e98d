#!/usr/bin/env bash
# A fresh install as a user would try it: the package unpacked into a folder the user cannot write,
# asked for its status without a display, then started by an ordinary user on a virtual display.
# Passes when the status is the default schedule's and creates nothing, the default schedule then
# appears in the user's ~/.config/quillot/, nothing is written beside the program, and no message
# box opens.
# Usage (as root, to create the user): tests/package/fresh-install.sh quillot_<version>_amd64.deb
set -euo pipefail
. "$(dirname "$0")/../../scripts/common.sh"
deb=$(realpath "$1")
user=quillot-e2e

scratch=$(mktemp -d)
chmod 755 "$scratch"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  userdel "$user" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
  echo "fresh install: $*" >&2
  cat "$scratch/program.log" >&2 2>/dev/null || true
  exit 1
}

dpkg-deb -x "$deb" "$scratch/root"
program="$scratch/root/usr/bin/quillot"
home="$scratch/home"
userdel "$user" 2>/dev/null || true
useradd --no-create-home --home-dir "$home" --shell /bin/sh "$user"
mkdir -p "$home"
chown "$user:" "$home"
before=$(cd "$scratch/root" && find . | sort)

# On a Monday at 11:40 (faketime), the status of the default schedule.
runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin TZ=UTC \
  faketime '2026-12-07 11:40:00' "$program" --status >"$scratch/status" 2>"$scratch/program.log" ||
  fail "quillot --status failed"
printf '%s\n' 当前可参与：无 '*30分钟内开启*' '1. 红包刷新时间 12:00开启' '2. 就餐时间 12:00-12:30' |
  cmp -s - "$scratch/status" || fail "quillot --status printed $(cat "$scratch/status")"
[ -z "$(ls -A "$home")" ] || fail "quillot --status created $(ls -A "$home") in $home"

start_xvfb "$scratch" 1024x640 -ac
pids+=("$xvfb")

runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
  QT_QPA_PLATFORM=xcb "$program" >"$scratch/program.log" 2>&1 &
pids+=($!)

windows() { xdotool search --onlyvisible --name '^Quillot$' 2>/dev/null | wc -l; }
for _ in $(seq 100); do [ "$(windows)" -ge 1 ] && break; sleep 0.1; done
[ "$(windows)" -ge 1 ] || fail "the status window did not appear"
sleep 2  # a start-up message would be on screen by now

ini="$home/.config/quillot/GM.ini"
[ -f "$ini" ] || fail "no $ini"
iconv -f GBK -t UTF-8 "$ini" | grep -q '^\[固定时间任务日程\]' || fail "$ini is not the default schedule"
[ "$(stat -c %U "$ini")" = "$user" ] || fail "$ini does not belong to $user"
after=$(cd "$scratch/root" && find . | sort)
[ "$before" = "$after" ] || fail "files appeared beside the program: $(comm -13 <(echo "$before") <(echo "$after"))"
[ "$(windows)" -eq 1 ] || fail "a message box opened"
echo "fresh install: the default schedule is in $ini, nothing beside the program, no message box"
