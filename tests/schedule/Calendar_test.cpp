#include "schedule/Calendar.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using enum ActivityKind;
using std::chrono::seconds;
using std::chrono::sys_seconds;

// Shanghai at UTC+8 and the local Berlin at UTC+1, neither changing.
class WinterZones final : public TimeZones {
  public:
    bool Exists(std::u16string_view name) const override {
        return name == u"Asia/Shanghai" || name == u"Europe/Berlin";
    }
    seconds OffsetAt(std::u16string_view name, sys_seconds) const override {
        return std::chrono::hours{name == u"Asia/Shanghai" ? 8 : 1};
    }
    seconds LocalOffsetAt(sys_seconds) const override { return std::chrono::hours{1}; }
    std::vector<ZoneTransition> TransitionsBetween(std::u16string_view, sys_seconds,
                                                   sys_seconds) const override {
        return {};
    }
    std::u16string LocalZoneName() const override { return u"Europe/Berlin"; }
};

// The unfolded lines of the text, from its first line that starts with the prefix to its last.
std::vector<std::string> LinesOf(const std::string& calendar, std::string_view prefix) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < calendar.size();) {
        const std::size_t end = calendar.find("\r\n", at);
        const std::string line = calendar.substr(at, end - at);
        if (line.starts_with(' '))
            lines.back() += line.substr(1);
        else
            lines.push_back(line);
        at = end + 2;
    }
    std::vector<std::string> kept;
    bool inside = false;
    for (const std::string& line : lines) {
        inside = inside || line.starts_with(prefix);
        if (inside && line != "END:VCALENDAR")
            kept.push_back(line);
    }
    return kept;
}

std::vector<std::string> Alarm(const std::string& summary, const std::string& trigger) {
    return {"BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:" + summary, "TRIGGER:" + trigger,
            "END:VALARM"};
}

std::vector<std::string> Joined(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

TEST(Calendar, EachEntryIsAnEventRepeatedOnTheDaysTheActivityCountsOn) {
    const WinterZones database;
    const ZoneContext zones{&database, {}};
    const std::vector<int> leads = {10, 5};
    const std::string stamp = "DTSTAMP:20260101T000000Z";
    struct Case {
        const char* what;
        cTask task;
        std::vector<std::string> events;
        std::vector<std::string> zoneIds;
    };
    const std::vector<Case> cases = {
        {"a fixed time every day, in the local zone, with the file's leads",
         {u"签到", u"20:00", u"每日", FixedTimes},
         Joined({{"BEGIN:VEVENT", "UID:quillot-fixed-211481362fa0c6d0-1", stamp,
                  "DTSTART;TZID=Europe/Berlin:20260101T200000", "DURATION:PT5M", "RRULE:FREQ=DAILY",
                  "SUMMARY:签到"},
                 Alarm("签到", "-PT10M"),
                 Alarm("签到", "-PT5M"),
                 Alarm("签到", "PT0M"),
                 {"END:VEVENT"}}),
         {"Europe/Berlin"}},
        {"a range past midnight on two weekdays, from 起 to 止, ends the next day",
         {u"夜场", u"23:00-01:00", u"星期一,星期三", TimeRanges,
          u"起=2026-12-01;止=2027-01-31;提前=0"},
         Joined({{"BEGIN:VEVENT", "UID:quillot-range-c760ac51fe9b3569-1", stamp,
                  "DTSTART;TZID=Europe/Berlin:20261202T230000",
                  "DTEND;TZID=Europe/Berlin:20261203T010000",
                  "RRULE:FREQ=WEEKLY;BYDAY=MO,WE;UNTIL=20270131T225959Z", "SUMMARY:夜场"},
                 Alarm("夜场", "PT0M"),
                 {"END:VEVENT"}}),
         {"Europe/Berlin"}},
        {"every three days from 起 in its zone, with its own lead",
         {u"隔天", u"12:00-12:30", u"每日", TimeRanges,
          u"时区=Asia/Shanghai;起=2026-11-30;每隔=3;提前=10"},
         Joined({{"BEGIN:VEVENT", "UID:quillot-range-ef959110ea550b36-1", stamp,
                  "DTSTART;TZID=Asia/Shanghai:20261130T120000",
                  "DTEND;TZID=Asia/Shanghai:20261130T123000", "RRULE:FREQ=DAILY;INTERVAL=3",
                  "SUMMARY:隔天"},
                 Alarm("隔天", "-PT10M"),
                 Alarm("隔天", "PT0M"),
                 {"END:VEVENT"}}),
         {"Asia/Shanghai"}},
        {"days of the month that are Mondays, from the first such day, without notification",
         {u"月初", u"08:00-09:00", u"星期一", TimeRanges, u"每月=16,1;通知=0"},
         {"BEGIN:VEVENT", "UID:quillot-range-419bfbe898e8cd8f-1", stamp,
          "DTSTART;TZID=Europe/Berlin:20260216T080000", "DTEND;TZID=Europe/Berlin:20260216T090000",
          "RRULE:FREQ=MONTHLY;BYMONTHDAY=1,16;BYDAY=MO", "SUMMARY:月初", "END:VEVENT"},
         {"Europe/Berlin"}},
        {"entries keep their places past an unreadable one and one that never opens; a fixed "
         "offset",
         {u"早,班", u"08:00,xx,25:00,09:00", u"星期六", FixedTimes, u"时区=UTC+5:30;通知=0"},
         {"BEGIN:VEVENT", "UID:quillot-fixed-53d0f7ee4ce107a8-1", stamp,
          "DTSTART;TZID=UTC+0530:20260103T080000", "DURATION:PT5M", "RRULE:FREQ=WEEKLY;BYDAY=SA",
          "SUMMARY:早\\,班", "END:VEVENT", "BEGIN:VEVENT", "UID:quillot-fixed-53d0f7ee4ce107a8-4",
          stamp, "DTSTART;TZID=UTC+0530:20260103T090000", "DURATION:PT5M",
          "RRULE:FREQ=WEEKLY;BYDAY=SA", "SUMMARY:早\\,班", "END:VEVENT"},
         {"UTC+0530"}},
        {"no weekday: no event", {u"从不", u"08:00", u"", FixedTimes}, {}, {}},
        {"止 before 起: no event",
         {u"从不", u"08:00", u"每日", FixedTimes, u"起=2027-01-02;止=2027-01-01"},
         {},
         {}},
    };
    for (const Case& c : cases) {
        const std::vector<cTask> tasks = {c.task};
        const std::string calendar = ComposeCalendar({tasks, 5, leads, zones});
        EXPECT_EQ(LinesOf(calendar, "BEGIN:VEVENT"), c.events) << c.what;
        std::vector<std::string> ids;
        for (const std::string& line : LinesOf(calendar, "BEGIN:VTIMEZONE")) {
            if (line.starts_with("TZID:"))
                ids.push_back(line.substr(5));
        }
        EXPECT_EQ(ids, c.zoneIds) << c.what;
        EXPECT_TRUE(calendar.starts_with("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:")) << c.what;
        EXPECT_TRUE(calendar.ends_with("\r\nEND:VCALENDAR\r\n")) << c.what;
    }
}

}  // namespace
