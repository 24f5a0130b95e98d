#!/usr/bin/env bash
# The portable zip as a Windows user meets it: unpacked into a fresh Wine prefix whose ANSI code
# page is 936, on a virtual X display, and used with the mouse and the keyboard. Checks that
#   - quillot.exe --version, --status (at a fixed moment, through faketime) and a mistyped option
#     answer on redirected standard streams, and create no GM.ini;
#   - quillot.exe shows one window titled "Quillot" and no message box;
#   - GM.ini appears beside it: the default file byte for byte but for its creation time;
#   - a second start of the same quillot.exe ends at once, while a copy in another folder runs;
#   - a click on the status window opens "任务生成";
#   - an activity composed and saved from the keyboard alone reaches GM.ini in GBK, every other
#     byte kept;
#   - a click on "×" ends the program with exit code 0.
# Usage: tests/windows/zip-under-wine.sh quillot-<version>-windows-x86_64.zip
set -euo pipefail
zip=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
template="$here/../store/data/default-template-gbk.ini"

. "$here/fresh-prefix.sh"
unzip -q "$zip" -d "$drive_c"
[ "$(ls "$drive_c/Quillot")" != "" ] || fail "the zip holds no Quillot folder"
[ ! -e "$drive_c/Quillot/GM.ini" ] || fail "the zip holds a GM.ini"
ini="$drive_c/Quillot/GM.ini"

# Starts C:\<folder>\quillot.exe in the background; its exit code goes to $scratch/<folder>.exit.
start() {
  (
    cd "$drive_c/$1"
    status=0
    "$wine" "C:\\$1\\quillot.exe" >/dev/null 2>&1 || status=$?
    echo "$status" >"$scratch/$1.exit"
  ) &
}

step "the command line, redirected to files"
# Runs C:\Quillot\quillot.exe with the arguments on Monday 2026-12-07 at 11:40; sets $status.
answer() {
  status=0
  (cd "$drive_c/Quillot" && faketime '2026-12-07 11:40:00' "$wine" 'C:\Quillot\quillot.exe' "$@" \
    >"$scratch/out" 2>"$scratch/err") || status=$?
}
version=$(basename "$zip" | sed -n 's/^quillot-\(.*\)-windows-x86_64\.zip$/\1/p')
answer --version
[ "$status" -eq 0 ] && [ "$(cat "$scratch/out")" = "Quillot $version" ] ||
  fail "--version: exit code $status, printed $(cat "$scratch/out")"
answer --status
printf '%s\n' 当前可参与：无 '*30分钟内开启*' '1. 红包刷新时间 12:00开启' '2. 就餐时间 12:00-12:30' |
  cmp -s - "$scratch/out" || fail "--status: exit code $status, printed $(cat "$scratch/out")"
[ "$status" -eq 0 ] || fail "--status ended with $status"
answer --frobnicate
[ "$status" -eq 2 ] && [ ! -s "$scratch/out" ] &&
  grep -qx 'quillot：无法识别的选项“--frobnicate”。用法见 quillot --help。' "$scratch/err" ||
  fail "a mistyped option: exit code $status, printed $(cat "$scratch/out" "$scratch/err")"
[ ! -e "$ini" ] || fail "the command line wrote GM.ini"

step "first start"
start Quillot
wait_for count_is '^Quillot$' 1 || fail "no window titled Quillot appeared"
sleep 3  # a message box would come once the event loop runs
count_is '^Quillot$' 1 || fail "more than one window titled Quillot: a message box?"
status=$(windows '^Quillot$')

wait_for test -s "$ini" || fail "no GM.ini beside quillot.exe"
sed -n 3p "$ini" | iconv -f GBK -t UTF-8 |
  grep -qE $'^; 生成时间：[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}\r$' ||
  fail "line 3 of GM.ini is not the creation time"
cmp <(sed 3d "$template") <(sed 3d "$ini") || fail "GM.ini is not the default file"
default=$(mktemp -p "$scratch")
cp "$ini" "$default"

step "second start of the same quillot.exe"
start Quillot
wait_for test -e "$scratch/Quillot.exit" || fail "a second start from the same folder kept running"
[ "$(cat "$scratch/Quillot.exit")" = 0 ] || fail "the second start ended with $(cat "$scratch/Quillot.exit")"
rm "$scratch/Quillot.exit"
count_is '^Quillot$' 1 || fail "the second start showed a window"

step "a copy in another folder"
cp -r "$drive_c/Quillot" "$drive_c/Quillot2"
rm "$drive_c/Quillot2/GM.ini"
start Quillot2
wait_for count_is '^Quillot$' 2 || fail "a copy in another folder did not start beside the first"
wait_for test -s "$drive_c/Quillot2/GM.ini" || fail "the copy wrote no GM.ini of its own"
for id in $(windows '^Quillot$'); do
  [ "$id" = "$status" ] || xdotool windowkill "$id"
done
wait_for test -e "$scratch/Quillot2.exit" || fail "the copy did not end"

step "a click opens the task editor"
xdotool mousemove --window "$status" 40 12 click 1
wait_for count_is '^任务生成$' 1 || fail "a click on the status window opened no 任务生成"

step "an activity composed from the keyboard"
# The name box has the focus. Name, then to the start hour (past the kind, whose options are one
# stop), 9 and Enter adds 09:00; then to 每日 (past the start minute, the add button, the time list
# and its remove button), Space ticks it; the weekdays are now off, so the next stops are the
# duration and the save button.
xdotool type --delay 50 "Lunch"
xdotool key --delay 100 Tab Tab 9 Return
xdotool key --delay 100 Tab Tab Tab Tab Tab space Tab Tab space
wait_for count_is '^Quillot$' 2 || fail "no confirmation after the save"
xdotool key Return
wait_for count_is '^Quillot$' 1 || fail "the confirmation did not close"
expected=$(mktemp -p "$scratch")
{
  sed -n '1,25p' "$default"
  printf 'Lunch=09:00|每日\r\n' | iconv -f UTF-8 -t GBK
  sed -n '26,$p' "$default"
} >"$expected"
cmp "$expected" "$ini" || {
  iconv -f GBK -t UTF-8 "$ini" >&2
  fail "GM.ini after the save is not the default file with the new activity"
}
xdotool key Escape
wait_for count_is '^任务生成$' 0 || fail "Escape did not close the editor"

step "× ends the program"
xdotool mousemove --window "$status" 40 12
sleep 0.5
width=$(xdotool getwindowgeometry "$status" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
# The "×" sits 20 twips below the top and 20 twips in from the right edge.
xdotool mousemove --window "$status" $((width - 2 - 6)) 6 click 1
wait_for test -e "$scratch/Quillot.exit" || fail "a click on × did not end the program"
[ "$(cat "$scratch/Quillot.exit")" = 0 ] || fail "the program ended with $(cat "$scratch/Quillot.exit")"
step "passed"
