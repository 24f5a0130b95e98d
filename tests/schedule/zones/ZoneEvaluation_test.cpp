// Run with TZ=Europe/Berlin: the local zone changes its offset on 2027-03-28 (02:00 to 03:00) and
// on 2027-10-31 (03:00 back to 02:00).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/QtTimeZones.h"
#include "schedule/Openings.h"
#include "schedule/StatusTexts.h"

namespace {

using enum ActivityKind;
using namespace std::chrono_literals;

const QtTimeZones kZones;
const ZoneContext kContext{&kZones, {}};

// A moment of the Berlin wall clock with its offset; second: the later one of a repeated hour.
LocalTime Berlin(std::chrono::year_month_day date, int hour, int minute, bool summer) {
    LocalTime time{date, hour, minute, 0};
    time.utcOffset = summer ? 2h : 1h;
    return time;
}

cTask Activity(std::u16string name, std::u16string times, std::u16string weekdays,
               ActivityKind kind, std::u16string options = {}) {
    return {std::move(name), std::move(times), std::move(weekdays), kind, std::move(options)};
}

TEST(ZoneEvaluation, ActivitiesAreEvaluatedOnTheirZonesClockAndShownAtLocalTimes) {
    struct Case {
        const char* what;
        cTask task;
        LocalTime now;
        std::u16string nowText;
        std::u16string soonText;
    };
    const std::u16string none = u"当前可参与：无";
    const std::u16string noneSoon = u"30分钟内开启：无";
    const std::vector<Case> cases = {
        {"a fixed time of Shanghai, soon in Berlin",
         Activity(u"签到", u"20:00", u"每日", FixedTimes, u"时区=Asia/Shanghai"),
         Berlin(2026y / 12 / 12, 12, 40, false), none, u"*30分钟内开启*\r\n1. 签到 13:00开启"},
        {"open at its local start and end",
         Activity(u"签到", u"20:00", u"每日", FixedTimes, u"时区=Asia/Shanghai"),
         Berlin(2026y / 12 / 12, 13, 2, false), u"*当前可参与*\r\n1. 签到 13:00-13:05", noneSoon},
        {"Shanghai's Saturday is Berlin's Friday night",
         Activity(u"早场", u"07:00-08:00", u"星期六", TimeRanges, u"时区=Asia/Shanghai"),
         Berlin(2026y / 12 / 11, 23, 50, false), none, u"*30分钟内开启*\r\n1. 早场 00:00-01:00"},
        {"the same offset keeps the written form",
         Activity(u"早场", u"8:00-9:00", u"每日", TimeRanges, u"时区=UTC+1"),
         Berlin(2026y / 12 / 12, 8, 30, false), u"*当前可参与*\r\n1. 早场 8:00-9:00", noneSoon},
        {"a day outside 起 and 止 counts not",
         Activity(u"早场", u"8:00-9:00", u"每日", TimeRanges, u"起=2026-12-13"),
         Berlin(2026y / 12 / 12, 8, 30, false), none, noneSoon},
        {"New York in summer",
         Activity(u"开市", u"09:30-16:00", u"星期一", TimeRanges, u"时区=America/New_York"),
         Berlin(2027y / 7 / 5, 15, 40, true), u"*当前可参与*\r\n1. 开市 15:30-22:00", noneSoon},
        {"a local start in the skipped hour opens at its end",
         Activity(u"夜班", u"02:30", u"每日", FixedTimes), Berlin(2027y / 3 / 28, 3, 0, true),
         u"*当前可参与*\r\n1. 夜班 03:00-03:05", noneSoon},
        {"and is soon before the gap", Activity(u"夜班", u"02:30", u"每日", FixedTimes),
         Berlin(2027y / 3 / 28, 1, 50, false), none, u"*30分钟内开启*\r\n1. 夜班 03:00开启"},
        {"the repeated hour shows the wall clock, the first time",
         Activity(u"夜班", u"02:30", u"每日", FixedTimes), Berlin(2027y / 10 / 31, 2, 32, true),
         u"*当前可参与*\r\n1. 夜班 02:30-02:35", noneSoon},
        {"and the second", Activity(u"夜班", u"02:30", u"每日", FixedTimes),
         Berlin(2027y / 10 / 31, 2, 32, false), u"*当前可参与*\r\n1. 夜班 02:30-02:35", noneSoon},
    };
    for (const Case& c : cases) {
        const StatusTexts texts = ComputeStatusTexts({c.task}, 5, c.now, kContext);
        EXPECT_EQ(texts.now, c.nowText) << c.what;
        EXPECT_EQ(texts.soon, c.soonText) << c.what;
    }
}

TEST(ZoneEvaluation, OpeningsComeAtTheirRealMoments) {
    using std::chrono::local_days;
    const std::vector<cTask> tasks = {
        Activity(u"夜班", u"02:30", u"每日", FixedTimes),
        Activity(u"签到", u"20:00", u"每日", FixedTimes, u"时区=Asia/Shanghai"),
    };
    struct Case {
        LocalMoment after;
        LocalMoment upTo;
        std::vector<std::pair<std::u16string, LocalMoment>> openings;
    };
    const local_days gapDay{2027y / 3 / 28};
    const local_days repeatDay{2027y / 10 / 31};
    const std::vector<Case> cases = {
        {gapDay + 1h, gapDay + 4h, {{u"夜班", gapDay + 3h}}},
        {gapDay + 12h, gapDay + 14h, {{u"签到", gapDay + 14h}}},  // 20:00 in Shanghai, summer
        {repeatDay + 1h, repeatDay + 4h, {{u"夜班", repeatDay + 2h + 30min}}},
        {local_days{2026y / 12 / 12} + 12h,
         local_days{2026y / 12 / 12} + 13h,
         {{u"签到", local_days{2026y / 12 / 12} + 13h}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<std::u16string, LocalMoment>> openings;
        for (const Opening& opening : OpeningsBetween(tasks, 5, c.after, c.upTo, kContext))
            openings.emplace_back(opening.name, opening.moment);
        EXPECT_EQ(openings, c.openings);
    }
    EXPECT_EQ(FirstOpeningAfter(tasks, 5, gapDay + 1h, kContext), gapDay + 3h);
}

}  // namespace
