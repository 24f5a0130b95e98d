#include "schedule/ActivityOptions.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "schedule/ActivityValue.h"
#include "schedule/ActivityZone.h"

namespace {

using namespace std::chrono_literals;
using Kind = OptionProblem::Kind;

TEST(ActivityOptions, ReadsEachKeyAndTellsWhatCannotBeUsed) {
    struct Case {
        std::u16string text;
        ActivityOptions options;
        std::vector<OptionProblem> problems;
    };
    ActivityOptions shanghaiTen;
    shanghaiTen.zone = u"Asia/Shanghai";
    shanghaiTen.leads = std::vector<int>{10};
    ActivityOptions full;
    full.zone = u"UTC+8";
    full.firstDay = 2026y / 12 / 1;
    full.lastDay = 2027y / 1 / 31;
    full.everyDays = 3;
    full.monthDays = {1, 16};
    full.leads = std::vector<int>{};
    full.notify = false;
    full.unknown = {{u"颜色", u"红"}};
    ActivityOptions monthly;
    monthly.monthDays = {1, 16};
    const std::vector<Case> cases = {
        {u"", {}, {}},
        {u"时区=Asia/Shanghai;提前=10", shanghaiTen, {}},
        // Full-width separators and both kinds of space around keys and values.
        {u" 时区 ＝ Asia/Shanghai；\u3000提前=10\u3000", shanghaiTen, {}},
        {u"时区=UTC+8;起=2026-12-01;止=2027-01-31;每隔=3;每月=16,1,16;提前=0;通知=0;颜色=红",
         full,
         {{u"颜色", u"红", Kind::UnknownKey}}},
        {u"起=2026-02-30;止=26-1-1",
         {},
         {{u"起", u"2026-02-30", Kind::NotADate}, {u"止", u"26-1-1", Kind::NotADate}}},
        {u"每隔=3", {}, {{u"每隔", u"3", Kind::EveryWithoutFirst}}},
        {u"每隔=0;起=2026-12-01",
         [] {
             ActivityOptions first;
             first.firstDay = 2026y / 12 / 1;
             return first;
         }(),
         {{u"每隔", u"0", Kind::OutOfRange}}},
        {u"每月=1,32", {}, {{u"每月", u"1,32", Kind::OutOfRange}}},
        {u"每月=1,16;每月=一", monthly, {{u"每月", u"一", Kind::Unreadable}}},
        {u"提前=121", {}, {{u"提前", u"121", Kind::OutOfRange}}},
        {u"提前=5,x;通知=2",
         {},
         {{u"提前", u"5,x", Kind::Unreadable}, {u"通知", u"2", Kind::Unreadable}}},
    };
    for (const Case& c : cases) {
        const ParsedOptions parsed = ParseActivityOptions(c.text);
        EXPECT_EQ(parsed.options, c.options);
        EXPECT_EQ(parsed.problems, c.problems);
    }
}

TEST(ActivityOptions, ComposesInTheFixedOrderWhatDiffersFromTheDefaults) {
    const std::vector<std::pair<std::u16string, std::u16string>> cases = {
        {u"", u""},
        {u"通知=1;提前=10,5;时区=Asia/Shanghai", u"时区=Asia/Shanghai;提前=10,5"},
        {u"颜色=红;通知=0;每月=16,1;止=2027-01-31;起=2026-12-01;每隔=7;时区=UTC-5:30;提前=0",
         u"时区=UTC-5:30;起=2026-12-01;止=2027-01-31;每隔=7;每月=1,16;提前=0;通知=0;颜色=红"},
    };
    for (const auto& [written, composed] : cases) {
        EXPECT_EQ(ComposeActivityOptions(ParseActivityOptions(written).options), composed);
        EXPECT_EQ(ParseActivityOptions(composed).options, ParseActivityOptions(written).options);
    }
}

TEST(ActivityOptions, DayTestsMustAllHold) {
    struct Case {
        std::u16string text;
        std::chrono::year_month_day day;
        bool counts;
    };
    const std::vector<Case> cases = {
        {u"", 2026y / 12 / 12, true},
        {u"起=2026-12-01;止=2026-12-31", 2026y / 11 / 30, false},
        {u"起=2026-12-01;止=2026-12-31", 2026y / 12 / 1, true},
        {u"起=2026-12-01;止=2026-12-31", 2026y / 12 / 31, true},
        {u"起=2026-12-01;止=2026-12-31", 2027y / 1 / 1, false},
        {u"起=2026-12-30;每隔=3", 2026y / 12 / 30, true},
        {u"起=2026-12-30;每隔=3", 2027y / 1 / 2, true},
        {u"起=2026-12-30;每隔=3", 2027y / 1 / 1, false},
        {u"起=2026-12-30;每隔=3", 2026y / 12 / 27, false},
        {u"每月=1,16", 2027y / 2 / 16, true},
        {u"每月=1,16", 2027y / 2 / 15, false},
        {u"每月=31", 2027y / 2 / 28, false},                     // a month without the day skips it
        {u"每月=1;起=2027-01-01;每隔=2", 2027y / 2 / 1, false},  // 31 days after the 起
        {u"每月=1;起=2027-01-01;每隔=2", 2027y / 4 / 1, true},
        {u"每隔=3", 2027y / 1 / 1, true},  // without 起 it is absent
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountsOn(ParseActivityOptions(c.text).options, c.day), c.counts);
}

TEST(ActivityOptions, FixedOffsetsNeedNoDatabase) {
    const std::vector<std::pair<std::u16string, std::optional<std::chrono::seconds>>> cases = {
        {u"UTC", 0s},     {u"UTC+8", 8h},         {u"UTC+08:00", 8h}, {u"UTC-5:30", -5h - 30min},
        {u"UTC+14", 14h}, {u"UTC+15", {}},        {u"UTC+8:60", {}},  {u"UTC8", {}},
        {u"UTC+8:5", {}}, {u"Asia/Shanghai", {}},
    };
    for (const auto& [text, offset] : cases)
        EXPECT_EQ(ParseFixedOffset(text), offset);
}

TEST(ActivityOptions, FollowTheSecondSeparatorOfTheValue) {
    const ActivityValuePieces pieces =
        SplitActivityValue(u"20:00-21:00|星期六|时区=Asia/Shanghai;提前=10");
    EXPECT_EQ(pieces.weekdays, u"星期六");
    EXPECT_EQ(pieces.options, u"时区=Asia/Shanghai;提前=10");
    EXPECT_EQ(SplitActivityValue(u"08:00|每日").options, u"");
}

}  // namespace
