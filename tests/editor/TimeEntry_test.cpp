#include "editor/TimeEntry.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

using enum ActivityKind;

TEST(补两位数字, ReadsWhatAUserTypesIntoAnHourOrMinuteBox) {
    const struct {
        std::u16string text;
        std::optional<std::int16_t> expected;
    } cases[] = {
        {u"8", 8},
        {u" 7 ", 7},
        {u"1 2", 12},
        {u"07", 7},
        {u"-1", -1},
        {u"7.6", 8},
        {u"2.5", 2},
        {u"3.5", 4},
        {u"abc", 0},
        {u"", 0},
        {u"8a", 0},
        {u"32767", 32767},
        {u"-32768", -32768},
        {u"40000", std::nullopt},
        {u"-32769", std::nullopt},
        {u"1e9", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(补两位数字(c.text), c.expected) << ::testing::PrintToString(c.text);
}

struct EntryCase {
    ActivityKind kind;
    bool sameDay;
    std::u16string startHour, startMinute, endHour, endMinute;
    std::u16string entry;    // expected entry, or empty when not made
    std::u16string message;  // expected message, or empty when made
    TimeEntryFocus focus;
};

TEST(ComposeTimeEntry, ChecksTheBoxesInOrderAndFormatsTheEntry) {
    constexpr auto kNone = TimeEntryFocus::Unchanged;
    const std::u16string outOfRange = u"时间超出范围！";
    const std::u16string endOutOfRange = u"结束时间超出范围！";
    const std::u16string notSameDay = u"当日时段不能开始≥结束！";
    const EntryCase cases[] = {
        {FixedTimes, true, u"8", u"", u"", u"", u"08:00", u"", kNone},
        {FixedTimes, true, u" 7 ", u"5", u"", u"", u"07:05", u"", kNone},
        {FixedTimes, true, u"\u30007\u3000", u"\u3000", u"", u"", u"07:00", u"", kNone},
        {FixedTimes, true, u"", u"5", u"", u"", u"", u"开始小时不能为空！",
         TimeEntryFocus::StartHour},
        {FixedTimes, true, u"  \u3000", u"", u"", u"", u"", u"开始小时不能为空！",
         TimeEntryFocus::StartHour},
        {FixedTimes, true, u"24", u"", u"", u"", u"", outOfRange, kNone},
        {FixedTimes, true, u"8", u"60", u"", u"", u"", outOfRange, kNone},
        {FixedTimes, true, u"-1", u"", u"", u"", u"", outOfRange, kNone},
        {FixedTimes, true, u"8", u"-1", u"", u"", u"", outOfRange, kNone},
        {FixedTimes, true, u"23", u"59", u"", u"", u"23:59", u"", kNone},
        {FixedTimes, true, u"abc", u"", u"", u"", u"00:00", u"", kNone},
        {FixedTimes, true, u"9", u"xy", u"", u"", u"09:00", u"", kNone},
        {FixedTimes, true, u"7.6", u"", u"", u"", u"08:00", u"", kNone},
        {FixedTimes, true, u"2.5", u"", u"", u"", u"02:00", u"", kNone},
        {FixedTimes, true, u"40000", u"", u"", u"", u"", outOfRange, kNone},
        {FixedTimes, true, u"8", u"70000", u"", u"", u"", outOfRange, kNone},
        // The end boxes are not looked at for fixed time points.
        {FixedTimes, true, u"8", u"", u"99", u"99", u"08:00", u"", kNone},
        {TimeRanges, true, u"6", u"", u"6", u"30", u"06:00-06:30", u"", kNone},
        {TimeRanges, true, u"22", u"", u"6", u"", u"", notSameDay, kNone},
        {TimeRanges, false, u"22", u"", u"6", u"", u"22:00-06:00", u"", kNone},
        {TimeRanges, true, u"9", u"", u"9", u"", u"", notSameDay, kNone},
        {TimeRanges, false, u"9", u"", u"9", u"", u"09:00-09:00", u"", kNone},
        {TimeRanges, true, u"9", u"0", u"9", u"1", u"09:00-09:01", u"", kNone},
        {TimeRanges, true, u"8", u"", u"", u"30", u"", u"结束小时不能为空！",
         TimeEntryFocus::EndHour},
        {TimeRanges, true, u"24", u"", u"", u"", u"", outOfRange, kNone},
        {TimeRanges, true, u"", u"", u"", u"", u"", u"开始小时不能为空！",
         TimeEntryFocus::StartHour},
        {TimeRanges, true, u"8", u"", u"24", u"", u"", endOutOfRange, kNone},
        {TimeRanges, true, u"8", u"", u"9", u"60", u"", endOutOfRange, kNone},
        {TimeRanges, true, u"8", u"", u"-1", u"", u"", endOutOfRange, kNone},
        {TimeRanges, true, u"8", u"", u"40000", u"", u"", endOutOfRange, kNone},
        {TimeRanges, true, u"8", u"", u"9", u"-40000", u"", endOutOfRange, kNone},
        // The range checks come before the same-day order.
        {TimeRanges, true, u"8", u"", u"7", u"60", u"", endOutOfRange, kNone},
    };
    for (const EntryCase& c : cases) {
        const Outcome<std::u16string, TimeEntryProblem> outcome = ComposeTimeEntry(
            {c.startHour, c.startMinute, c.endHour, c.endMinute}, c.kind, c.sameDay);
        const std::u16string context =
            c.startHour + u"|" + c.startMinute + u"|" + c.endHour + u"|" + c.endMinute;
        EXPECT_EQ(outcome.value, c.entry) << ::testing::PrintToString(context);
        EXPECT_EQ(DescribeTimeEntryProblem(outcome.problem), c.message)
            << ::testing::PrintToString(context);
        EXPECT_EQ(outcome.problem == TimeEntryProblem::None, c.message.empty())
            << ::testing::PrintToString(context);
        EXPECT_EQ(FocusAfter(outcome.problem), c.focus) << ::testing::PrintToString(context);
    }
}

}  // namespace
