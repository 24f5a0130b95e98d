#!/usr/bin/env bash
# quillot --ics as a calendar program reads it: the export of a prepared GM.ini, local zone
# Europe/Berlin, is expanded by a real iCalendar reader (Debian's python3-icalendar and
# python3-recurring-ical-events) over two weeks across the change to summer time, and its
# occurrences and alarms must be exactly those the schedule means, each one open on the status
# board at its start. Checks that the export creates and changes nothing.
# Usage: tests/cli/calendar-export.sh <quillot>
set -euo pipefail
program=$1

scratch=$(mktemp -d)
io=$(mktemp -d)
trap 'rm -rf "$scratch" "$io"' EXIT
fail() {
  echo "calendar export: $*" >&2
  exit 1
}

mkdir "$scratch/here"
cp "$program" "$scratch/here/quillot"
export TZ=Europe/Berlin XDG_CONFIG_HOME="$scratch/config"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"

# Every kind of rule: a zone far east, a range past midnight, a zone whose summer time began two
# weeks earlier, a fixed offset, every N days between 起 and 止, days of the month, own leads, no
# notification, and a name with the characters iCalendar escapes.
printf '%s\r\n' \
  '[固定时间任务日程]' \
  '签到=20:00|每日|时区=Asia/Shanghai;提前=10' \
  '隔天=12:00|每日|起=2027-03-20;止=2027-04-01;每隔=4' \
  '早,班;\一=06:00|星期日|时区=UTC+5:30' \
  '[范围时间任务日程]' \
  '夜场=23:30-00:30|星期一' \
  '开市=09:30-16:00|星期三|时区=America/New_York;通知=0' \
  '月中=08:00-09:00|每日|每月=1,25' \
  '[持续时间设置]' \
  '持续时间=10' \
  '[程序设置]' \
  '提前提醒=15,5' | iconv -f UTF-8 -t GBK >"$scratch/here/GM.ini"
before=$(cd "$scratch" && find . -exec ls -ld --time-style=full-iso {} + | sort)

status=0
timeout 60 "$scratch/here/quillot" --ics >"$io/calendar.ics" 2>"$io/err" || status=$?
[ "$status" -eq 0 ] && [ ! -s "$io/err" ] || fail "exit code $status, stderr $(cat "$io/err")"
[ "$(cd "$scratch" && find . -exec ls -ld --time-style=full-iso {} + | sort)" = "$before" ] ||
  fail "the files changed"

# Start and end on the Berlin wall clock, the name, and the alarms in minutes from the start.
/usr/bin/python3 - "$io/calendar.ics" >"$io/occurrences" <<'PYTHON'
import datetime, sys, zoneinfo
import icalendar, recurring_ical_events

raw = open(sys.argv[1], "rb").read()
lines = raw.split(b"\r\n")
assert lines[-1] == b"" and all(b"\n" not in line and len(line) <= 75 for line in lines), "form"
calendar = icalendar.Calendar.from_ical(raw)
assert calendar["VERSION"] == "2.0" and "PRODID" in calendar
berlin = zoneinfo.ZoneInfo("Europe/Berlin")
first = datetime.datetime(2027, 3, 22, tzinfo=berlin)
last = datetime.datetime(2027, 4, 5, tzinfo=berlin)
for event in recurring_ical_events.of(calendar).between(first, last):
    start = event["DTSTART"].dt
    end = event["DTEND"].dt if "DTEND" in event else start + event["DURATION"].dt
    leads = [int(alarm["TRIGGER"].dt.total_seconds() // 60)
             for alarm in event.walk("VALARM") if alarm["ACTION"] == "DISPLAY"]
    print("%s|%s|%s|%s" % (start.astimezone(berlin).strftime("%Y-%m-%d %H:%M"),
                           end.astimezone(berlin).strftime("%Y-%m-%d %H:%M"),
                           event["SUMMARY"], ",".join(map(str, leads))))
PYTHON

# Summer time begins on 2027-03-28 at 02:00 in Berlin, on 2027-03-14 in New York.
expected='2027-03-22 13:00|2027-03-22 13:10|签到|-10,0
2027-03-22 23:30|2027-03-23 00:30|夜场|-15,-5,0
2027-03-23 13:00|2027-03-23 13:10|签到|-10,0
2027-03-24 12:00|2027-03-24 12:10|隔天|-15,-5,0
2027-03-24 13:00|2027-03-24 13:10|签到|-10,0
2027-03-24 14:30|2027-03-24 21:00|开市|
2027-03-25 08:00|2027-03-25 09:00|月中|-15,-5,0
2027-03-25 13:00|2027-03-25 13:10|签到|-10,0
2027-03-26 13:00|2027-03-26 13:10|签到|-10,0
2027-03-27 13:00|2027-03-27 13:10|签到|-10,0
2027-03-28 01:30|2027-03-28 01:40|早,班;\一|-15,-5,0
2027-03-28 12:00|2027-03-28 12:10|隔天|-15,-5,0
2027-03-28 14:00|2027-03-28 14:10|签到|-10,0
2027-03-29 14:00|2027-03-29 14:10|签到|-10,0
2027-03-29 23:30|2027-03-30 00:30|夜场|-15,-5,0
2027-03-30 14:00|2027-03-30 14:10|签到|-10,0
2027-03-31 14:00|2027-03-31 14:10|签到|-10,0
2027-03-31 15:30|2027-03-31 22:00|开市|
2027-04-01 08:00|2027-04-01 09:00|月中|-15,-5,0
2027-04-01 12:00|2027-04-01 12:10|隔天|-15,-5,0
2027-04-01 14:00|2027-04-01 14:10|签到|-10,0
2027-04-02 14:00|2027-04-02 14:10|签到|-10,0
2027-04-03 14:00|2027-04-03 14:10|签到|-10,0
2027-04-04 02:30|2027-04-04 02:40|早,班;\一|-15,-5,0
2027-04-04 14:00|2027-04-04 14:10|签到|-10,0'
occurrences=$(LC_ALL=C sort "$io/occurrences")
[ "$occurrences" = "$expected" ] || fail "the calendar gives
$occurrences
instead of
$expected"

# Each occurrence is open on the status board at its start.
while IFS='|' read -r start _ name _; do
  board=$(timeout 60 faketime "$start:00" "$scratch/here/quillot" --status)
  current=${board%%30分钟内开启*}
  [[ $current == *"$name"* ]] || fail "at $start the board lists no $name: $board"
done <<<"$occurrences"

echo "calendar export: the occurrences and alarms of two weeks across summer time, as the board lists them"
