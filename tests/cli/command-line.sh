#!/usr/bin/env bash
# The program's command line as a user and a status bar meet it, with no display at all: -h, -v,
# mistakes, --status in text and JSON against prepared GM.ini files at a fixed moment (Monday
# 2026-12-07 11:40, through faketime), beside the program and per user, while a status window of
# the same program runs, and --check on a file with problems. Checks that the status and check
# options create and change nothing.
# Usage: tests/cli/command-line.sh <quillot> <version>
set -euo pipefail
program=$1
version=$2

scratch=$(mktemp -d)
io=$(mktemp -d)  # the programs' output, away from the files they may see
window=
cleanup() {
  [ -z "$window" ] || kill "$window" 2>/dev/null || true
  chmod -R u+w "$scratch"
  rm -rf "$scratch" "$io"
}
trap cleanup EXIT
fail() {
  echo "command line: $*" >&2
  exit 1
}

mkdir "$scratch/here"
cp "$program" "$scratch/here/quillot"
export TZ=UTC XDG_CONFIG_HOME="$scratch/config"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# faketime preloads its library ahead of AddressSanitizer's runtime in a sanitized build.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

# Runs the copy with the arguments at the fixed moment (or at $moment); sets $out, $err and $status.
run() {
  status=0
  # A hang fails (124) instead of stopping the test.
  timeout 60 faketime "${moment:-2026-12-07 11:40:00}" "$scratch/here/quillot" "$@" >"$io/out" 2>"$io/err" ||
    status=$?
  out=$(cat "$io/out")
  err=$(cat "$io/err")
}
expect() {  # what, exit code, stdout, stderr
  [ "$status" -eq "$2" ] || fail "$1: exit code $status, not $2 (stderr: $err)"
  [ "$out" = "$3" ] || fail "$1: standard output is
$out
instead of
$3"
  [ "$err" = "$4" ] || fail "$1: standard error is
$err
instead of
$4"
}
# A GM.ini in code page 936 with CR LF line ends, from UTF-8 lines.
prepare() {  # file, lines...
  local file=$1
  shift
  printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK >"$file"
}
# Nothing but the program and what the test put there.
unchanged() {  # what, expected listing
  local listing
  listing=$(cd "$scratch" && find . | sort | tr '\n' ' ')
  [ "$listing" = "$2" ] || fail "$1: the files are now $listing"
}

run --help
[ "$status" -eq 0 ] && [ -z "$err" ] || fail "--help: exit code $status, stderr $err"
[ "$(head -n 1 <<<"$out")" = "用法：quillot [选项]" ] || fail "--help starts with $(head -n 1 <<<"$out")"
for option in -h --help -v --version --status --status=text --status=json --check --ics -platform; do
  grep -q -- "$option" <<<"$out" || fail "--help does not name $option"
done
help=$out
run -h
expect "-h" 0 "$help" ""

for option in -v --version; do
  run "$option"
  expect "$option" 0 "Quillot $version" ""
done

mistake() { echo "quillot：$1。用法见 quillot --help。"; }
run --frobnicate
expect "an unknown option" 2 "" "$(mistake '无法识别的选项“--frobnicate”')"
run -style Fusion --status -x
expect "an unknown option after Qt's" 2 "" "$(mistake '无法识别的选项“-x”')"
run --status=xml
expect "a wrong value" 2 "" "$(mistake '选项“--status”的取值“xml”无法识别，可用 text 或 json')"
run --status -platform
expect "a Qt option without its value" 2 "" "$(mistake '选项“-platform”缺少取值')"
run 文件
expect "an argument" 2 "" "$(mistake '无法识别的参数“文件”')"
run -- --help
expect "an option after --" 2 "" "$(mistake '无法识别的参数“--help”')"
run --check GM.ini
expect "--check with an argument" 2 "" "$(mistake '无法识别的参数“GM.ini”')"

default_status='当前可参与：无
*30分钟内开启*
1. 红包刷新时间 12:00开启
2. 就餐时间 12:00-12:30'
run --status --
expect "--status without GM.ini" 0 "$default_status" ""
unchanged "--status without GM.ini" ". ./here ./here/quillot "
run --check
expect "--check without GM.ini: the default file has no problems" 0 "" ""
unchanged "--check without GM.ini" ". ./here ./here/quillot "

prepare "$scratch/here/GM.ini" '[固定时间任务日程]' '晨"会=11:38|每日' '[范围时间任务日程]' \
  '午休=11:00-13:00|星期二' '巡逻=11:50-12:00|星期一' '[持续时间设置]' '持续时间=10'
cp "$scratch/here/GM.ini" "$io/prepared.ini"
run -platform offscreen --status=json
expect "--status=json beside the program" 0 \
  '{"text":"晨\"会 11:38-11:48","tooltip":"*当前可参与*\n1. 晨\"会 11:38-11:48\n*30分钟内开启*\n1. 巡逻 11:50-12:00","class":"open","open":[{"name":"晨\"会","time":"11:38-11:48"}],"soon":[{"name":"巡逻","time":"11:50-12:00"}]}' ""
cmp -s "$scratch/here/GM.ini" "$io/prepared.ini" || fail "--status changed GM.ini"

# While the window of the same copy runs, on a platform that needs no display: Qt's own options
# reach the window.
QUILLOT_REPORT_FIRST_PAINT=1 "$scratch/here/quillot" -platform offscreen -style=Fusion >"$io/window" &
window=$!
for _ in $(seq 200); do grep -q '^first-paint' "$io/window" && break; sleep 0.05; done
grep -q '^first-paint' "$io/window" || fail "the status window did not start"
run --status
expect "--status while the window runs" 0 "*当前可参与*
1. 晨\"会 11:38-11:48
*30分钟内开启*
1. 巡逻 11:50-12:00" ""
kill "$window"
wait "$window" 2>/dev/null || true
window=

# A file that no one can read, root included: the reading process's memory, from address 0.
rm "$scratch/here/GM.ini"
ln -s /proc/self/mem "$scratch/here/GM.ini"
for option in --status --check --ics; do
  run $option
  expect "$option: a GM.ini that cannot be read" 1 "" "无法读取日程文件：$scratch/here/GM.ini
原因：无法读写文件：Input/output error。"
done
rm "$scratch/here/GM.ini"

# GM.ini as something else than a file: the window writes the default file over it, so --status
# shows the default schedule, or tells in the window's words why that write would fail.
while IFS='|' read -r what make reason; do
  mkdir "$scratch/elsewhere"
  (cd "$scratch/here" && eval "$make")
  before=$(cd "$scratch" && find . | sort | tr '\n' ' ')
  run --status
  if [ -z "$reason" ]; then
    expect "GM.ini as $what" 0 "$default_status" ""
  else
    expect "GM.ini as $what" 1 "" "无法创建日程文件：$scratch/here/GM.ini
原因：$reason。"
  fi
  unchanged "GM.ini as $what" "$before"
  chmod 755 "$scratch/here"
  rm -rf "$scratch/here/GM.ini" "$scratch/elsewhere"
done <<'CASES'
a folder|mkdir GM.ini|GM.ini 是一个文件夹，不是文件
a link to a folder|ln -s ../elsewhere GM.ini|GM.ini 是一个文件夹，不是文件
a link into a missing folder|ln -s ../gone/GM.ini GM.ini|找不到文件或文件夹
a link to a file not there yet|ln -s ../elsewhere/GM.ini GM.ini|
a named pipe|mkfifo GM.ini|
a named pipe in a read-only folder|mkfifo GM.ini && chmod 555 .|没有写入权限（文件或文件夹为只读）
CASES

# A folder the user cannot write: GM.ini is the user's own, whose folder is not created.
chmod 555 "$scratch/here"
run --status
expect "--status per user without GM.ini" 0 "$default_status" ""
unchanged "--status per user without GM.ini" ". ./here ./here/quillot "
# The user's own folder cannot be made where a file is in the way.
XDG_CONFIG_HOME="$scratch/here/quillot" run --status
expect "--status with no room for the user's folder" 1 "" "无法创建日程文件所在的文件夹：$scratch/here/quillot/quillot
原因：无法读写文件：Not a directory。"
mkdir -p "$scratch/config/quillot"
prepare "$scratch/config/quillot/GM.ini" '[固定时间任务日程]' '晨会=11:38|星期一'
run --status
expect "--status per user" 0 "*当前可参与*
1. 晨会 11:38-11:43
30分钟内开启：无" ""

# Activities in other zones and a start in the hour Berlin skips, on Berlin's clock.
prepare "$scratch/config/quillot/GM.ini" '[固定时间任务日程]' \
  '签到=20:00|每日|时区=Asia/Shanghai;提前=10' '夜班=02:30|每日' '[范围时间任务日程]' \
  '早场=07:00-08:00|星期六|时区＝Asia/Shanghai'
while IFS='|' read -r what when now soon; do
  TZ=Europe/Berlin moment=$when run --status
  expect "$what" 0 "$(printf '%b' "$now\\n$soon")" ""
done <<'CASES'
Shanghai's evening at Berlin's noon|2026-12-12 12:40:00|当前可参与：无|*30分钟内开启*\n1. 签到 13:00开启
Shanghai's Saturday morning on Berlin's Friday night|2026-12-11 23:50:00|当前可参与：无|*30分钟内开启*\n1. 早场 00:00-01:00
a start in the skipped hour|2027-03-28 03:00:00|*当前可参与*\n1. 夜班 03:00-03:05|30分钟内开启：无
CASES
# Every problem of a file, one line each in file order, and the file's default zone for the
# activities that name none or a zone that does not exist.
ini="$scratch/config/quillot/GM.ini"
prepare "$ini" '[固定时间任务日程]' '早操=08:00,1200|每日' '坏' '缺=08:00' '早操=09:00|每日' \
  '公会战=20:00|星期六|时区=Mars/Base;提前=10;颜色=红' '[范围时间任务日程]' \
  '夜读=20:00-21:00|每日|每隔=3' '空=' '[持续时间设置]' '[程序设置]' '提醒声音=on' '时区=UTC+8'
cp "$ini" "$io/prepared.ini"
before=$(cd "$scratch" && find . | sort | tr '\n' ' ')
run --check
expect "--check on a file with problems" 1 "$ini:2: [固定时间任务日程] 任务“早操”中有时间无法识别：“1200”（缺少“:”或“-”，或时段的一端为空），已跳过这一时间。
$ini:4: [固定时间任务日程] 任务“缺”缺少“|”，分不出时间和星期，已跳过。
$ini:5: [固定时间任务日程] 任务“早操”重复出现，只使用第一处。
$ini:6: [固定时间任务日程] 任务“公会战”的选项“颜色=红”无法使用（没有这个选项），已忽略这一选项。
$ini:6: [固定时间任务日程] 任务“公会战”的选项“时区=Mars/Base”无法使用（没有这个时区），已忽略这一选项。
$ini:8: [范围时间任务日程] 任务“夜读”的选项“每隔=3”无法使用（没有可用的“起”，不知从哪天算起），已忽略这一选项。
$ini:9: [范围时间任务日程] 任务“空”没有内容，已跳过。
$ini:10: [持续时间设置] 缺少“持续时间”，暂按 5 分钟计算。
$ini:12: [程序设置] “提醒声音”的值“on”不是 0 或 1，暂不播放声音。" ""
run --status
expect "--status in the file's zone" 0 "当前可参与：无
*30分钟内开启*
1. 夜读 12:00-13:00" ""
cmp -s "$ini" "$io/prepared.ini" || fail "--check changed GM.ini"
unchanged "--check" "$before"
prepare "$ini" '[固定时间任务日程]' '公会战=20:00|星期六|时区=Asia/Shanghai;提前=10' \
  '[持续时间设置]' '持续时间=5' '[程序设置]' '时区=Mars/Base'
run --check
expect "--check on an unusable default zone" 1 "$ini:6: [程序设置] “时区”的值“Mars/Base”不是已知的时区，也不是 UTC+8 这样的时差，暂按本机时区计算。" ""
prepare "$ini" '[固定时间任务日程]' '公会战=20:00|星期六|时区=Asia/Shanghai;提前=10;起=2026-12-01' \
  '[持续时间设置]' '持续时间=5'
run --check
expect "--check on a file without problems" 0 "" ""
echo "command line: help, version, mistakes, the status as text and JSON, in time zones, and the check, creating nothing"
