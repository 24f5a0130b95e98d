#include "schedule/ActivityEntries.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

static void PrintTo(const EntryProblem& problem, std::ostream* out) {
    *out << testing::PrintToString(problem.entryText) << "/" << static_cast<int>(problem.error);
}

namespace {

using enum ActivityKind;

cTask FixedTask(std::u16string times, std::u16string weekdays = u"每日") {
    return {u"任务", std::move(times), std::move(weekdays), ActivityKind::FixedTimes};
}

cTask RangeTask(std::u16string times, std::u16string weekdays = u"每日") {
    return {u"任务", std::move(times), std::move(weekdays), ActivityKind::TimeRanges};
}

// What a walk over one task met, collected for comparison.
struct TaskEntry {
    ClockTime start;
    ClockTime end;
    std::u16string displayText;
};

struct InterpretedTask {
    bool forToday = false;
    std::vector<TaskEntry> entries;
    std::vector<EntryProblem> problems;
};

class Collector final : public EntryVisitor {
  public:
    explicit Collector(InterpretedTask& result) : result(result) {}
    void OnEntry(const EntryView& entry) override {
        result.entries.push_back({entry.start, entry.end, std::u16string(entry.displayText)});
    }
    void OnProblem(std::u16string_view entryText, ScheduleError error) override {
        result.problems.push_back({std::u16string(entryText), error});
    }

  private:
    InterpretedTask& result;
};

InterpretedTask InterpretTaskForToday(const cTask& task, std::int16_t durationMinutes,
                                      std::u16string_view todayName) {
    InterpretedTask result;
    Collector collector(result);
    result.forToday = VisitActivityForToday(task, durationMinutes, todayName, collector);
    return result;
}

// Entries written as (start, end, display text) for compact tables.
struct ExpectedEntry {
    ClockTime start;
    ClockTime end;
    std::u16string display;
};

void ExpectEntries(const InterpretedTask& result, const std::vector<ExpectedEntry>& expected,
                   const std::u16string& label) {
    ASSERT_EQ(result.entries.size(), expected.size()) << testing::PrintToString(label);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const TaskEntry& entry = result.entries[i];
        EXPECT_EQ(entry.start, expected[i].start) << testing::PrintToString(label) << " #" << i;
        EXPECT_EQ(entry.end, expected[i].end) << testing::PrintToString(label) << " #" << i;
        EXPECT_EQ(entry.displayText, expected[i].display) << testing::PrintToString(label);
    }
}

struct WeekdayCase {
    std::u16string weekdays;
    std::u16string today;
    bool forToday;
};

TEST(VisitActivityForToday, MatchesTheWeekdayTextAsASubstring) {
    const WeekdayCase cases[] = {
        {u"每日", u"星期三", true},
        {u"星期一,星期二,星期三,星期四,星期五", u"星期五", true},
        {u"星期一,星期二,星期三,星期四,星期五", u"星期六", false},
        {u"星期一星期三", u"星期一", true},
        {u"星期一星期三", u"星期三", true},
        {u"星期一星期三", u"星期二", false},
        {u"每日,星期一", u"星期日", true},
        {u"星 期一", u"星期一", true},
        {u"每\u3000日", u"星期日", true},
        {u"", u"星期一", false},
        {u"   ", u"星期一", false},
        {u"周一", u"星期一", false},
        {u"每天", u"星期一", false},
    };
    for (const WeekdayCase& c : cases) {
        const InterpretedTask result =
            InterpretTaskForToday(FixedTask(u"08:00", c.weekdays), 5, c.today);
        EXPECT_EQ(result.forToday, c.forToday) << testing::PrintToString(c.weekdays);
        EXPECT_EQ(result.entries.size(), c.forToday ? 1u : 0u);
    }
}

TEST(VisitActivityForToday, LeavesTheTimeListOfOtherDaysUnread) {
    const InterpretedTask result =
        InterpretTaskForToday(FixedTask(u"0800,08:00", u"星期二"), 5, u"星期一");
    EXPECT_FALSE(result.forToday);
    EXPECT_TRUE(result.entries.empty());
    EXPECT_TRUE(result.problems.empty());
}

struct TimeListCase {
    std::u16string times;
    std::int16_t duration;
    std::vector<ExpectedEntry> entries;
};

TEST(VisitActivityForToday, ReadsFixedTimePoints) {
    const std::vector<TimeListCase> cases = {
        {u"00:00,08:00,12:00,16:00,20:00,22:00",
         5,
         {{{0, 0}, {0, 5}, u"00:00-00:05"},
          {{8, 0}, {8, 5}, u"08:00-08:05"},
          {{12, 0}, {12, 5}, u"12:00-12:05"},
          {{16, 0}, {16, 5}, u"16:00-16:05"},
          {{20, 0}, {20, 5}, u"20:00-20:05"},
          {{22, 0}, {22, 5}, u"22:00-22:05"}}},
        {u"8:5", 5, {{{8, 5}, {8, 10}, u"08:05-08:10"}}},
        {u"23:58", 5, {{{23, 58}, {0, 3}, u"23:58-00:03"}}},
        {u"25:70", 5, {{{25, 70}, {2, 15}, u"25:70-02:15"}}},
        {u"50:00", 5, {{{50, 0}, {26, 5}, u"50:00-26:05"}}},
        {u"9:00", 30, {{{9, 0}, {9, 30}, u"09:00-09:30"}}},
        {u" 12：30 ， 13 : 00 ",
         5,
         {{{12, 30}, {12, 35}, u"12:30-12:35"}, {{13, 0}, {13, 5}, u"13:00-13:05"}}},
        {u",,08:00, ,\u3000,08:00,",
         5,
         {{{8, 0}, {8, 5}, u"08:00-08:05"}, {{8, 0}, {8, 5}, u"08:00-08:05"}}},
        {u"20:00,08:00", 5, {{{20, 0}, {20, 5}, u"20:00-20:05"}, {{8, 0}, {8, 5}, u"08:00-08:05"}}},
        {u"ab:cd", 5, {{{0, 0}, {0, 5}, u"00:00-00:05"}}},
        {u"12:30:45", 5, {{{12, 30}, {12, 35}, u"12:30-12:35"}}},
        {u"08:00-09:00", 5, {{{8, 0}, {8, 5}, u"08:00-08:05"}}},
        {u"", 5, {}},
        {u"  ", 5, {}},
    };
    for (const TimeListCase& c : cases) {
        const InterpretedTask result =
            InterpretTaskForToday(FixedTask(c.times), c.duration, u"星期一");
        EXPECT_TRUE(result.forToday);
        EXPECT_TRUE(result.problems.empty()) << testing::PrintToString(c.times);
        ExpectEntries(result, c.entries, c.times);
    }
}

TEST(VisitActivityForToday, ReadsRangesAndKeepsTheirWrittenForm) {
    const std::vector<TimeListCase> cases = {
        {u"06:00-06:30,12:00-12:30,18:00-18:30",
         5,
         {{{6, 0}, {6, 30}, u"06:00-06:30"},
          {{12, 0}, {12, 30}, u"12:00-12:30"},
          {{18, 0}, {18, 30}, u"18:00-18:30"}}},
        {u"6:00-6:30", 5, {{{6, 0}, {6, 30}, u"6:00-6:30"}}},
        {u"9:00 - 9:30", 5, {{{9, 0}, {9, 30}, u"9:00-9:30"}}},
        {u"22:00-02:00", 5, {{{22, 0}, {2, 0}, u"22:00-02:00"}}},
        {u"08:00-09:00-10:00", 5, {{{8, 0}, {9, 0}, u"08:00-09:00-10:00"}}},
        {u"08：00-09：00，10:00-11:00",
         5,
         {{{8, 0}, {9, 0}, u"08:00-09:00"}, {{10, 0}, {11, 0}, u"10:00-11:00"}}},
        {u"08:00-08:00", 5, {{{8, 0}, {8, 0}, u"08:00-08:00"}}},
    };
    for (const TimeListCase& c : cases) {
        const InterpretedTask result =
            InterpretTaskForToday(RangeTask(c.times), c.duration, u"星期一");
        EXPECT_TRUE(result.problems.empty()) << testing::PrintToString(c.times);
        ExpectEntries(result, c.entries, c.times);
    }
}

struct ProblemCase {
    ActivityKind kind;
    std::u16string times;
    std::vector<EntryProblem> problems;
    std::vector<std::u16string> readableDisplays;
};

const std::vector<ProblemCase>& ProblemCases() {
    static const std::vector<ProblemCase> cases = {
        {FixedTimes,
         u"08:00,0800,12:00",
         {{u"0800", ScheduleError::MissingPiece}},
         {u"08:00-08:05", u"12:00-12:05"}},
        {FixedTimes,
         u"40000:00, 12:40000 ,09:00",
         {{u"40000:00", ScheduleError::Overflow}, {u"12:40000", ScheduleError::Overflow}},
         {u"09:00-09:05"}},
        {FixedTimes, u"  abc  ", {{u"abc", ScheduleError::MissingPiece}}, {}},
        {TimeRanges,
         u"06:00-06:30,08:00, 12:00-12:30",
         {{u"08:00", ScheduleError::MissingPiece}},
         {u"06:00-06:30", u"12:00-12:30"}},
        {TimeRanges,
         u"-08:00,08:00-,-,09:00-09:30",
         {{u"-08:00", ScheduleError::MissingPiece},
          {u"08:00-", ScheduleError::MissingPiece},
          {u"-", ScheduleError::MissingPiece}},
         {u"09:00-09:30"}},
        {TimeRanges,
         u"08:00-40000:00,40000:00-0800,0800-09:00",
         {{u"08:00-40000:00", ScheduleError::Overflow},
          {u"40000:00-0800", ScheduleError::Overflow},
          {u"0800-09:00", ScheduleError::MissingPiece}},
         {}},
        {TimeRanges, u"08:00--09:00", {{u"08:00--09:00", ScheduleError::MissingPiece}}, {}},
    };
    return cases;
}

TEST(VisitActivityForToday, SkipsUnreadableEntriesAndKeepsTheRest) {
    for (const ProblemCase& c : ProblemCases()) {
        const cTask task = c.kind == FixedTimes ? FixedTask(c.times) : RangeTask(c.times);
        const InterpretedTask result = InterpretTaskForToday(task, 5, u"星期一");
        EXPECT_EQ(result.problems, c.problems) << testing::PrintToString(c.times);
        std::vector<std::u16string> displays;
        for (const TaskEntry& entry : result.entries)
            displays.push_back(entry.displayText);
        EXPECT_EQ(displays, c.readableDisplays) << testing::PrintToString(c.times);
    }
}

TEST(FindEntryProblems, ListsUnreadableEntriesWhateverTheWeekday) {
    for (const ProblemCase& c : ProblemCases()) {
        for (const std::u16string weekdays : {u"每日", u"", u"星期六"}) {
            const cTask task =
                c.kind == FixedTimes ? FixedTask(c.times, weekdays) : RangeTask(c.times, weekdays);
            EXPECT_EQ(FindEntryProblems(task), c.problems) << testing::PrintToString(c.times);
        }
    }
    EXPECT_TRUE(FindEntryProblems(FixedTask(u"00:00,08:00", u"")).empty());
    EXPECT_TRUE(FindEntryProblems(RangeTask(u"06:00-06:30", u"")).empty());
}

}  // namespace
