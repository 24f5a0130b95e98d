#include "editor/ActivityDefinition.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr WeekdayTicks kNoDay{};
constexpr WeekdayTicks kMondayWednesday{true, false, true, false, false, false, false};
constexpr WeekdayTicks kEveryWeekday{true, true, true, true, true, true, true};

TEST(ComposeActivityDefinition, JoinsTheEntriesAndTheDays) {
    const struct {
        std::vector<std::u16string> entries;
        bool daily;
        WeekdayTicks weekdays;
        std::u16string value;
        std::u16string message;  // empty when composed
    } cases[] = {
        {{u"08:00", u"12:00"}, false, kMondayWednesday, u"08:00,12:00|星期一,星期三", u""},
        {{u"06:00-06:30"}, true, kNoDay, u"06:00-06:30|每日", u""},
        {{u"06:00-06:30"}, true, kMondayWednesday, u"06:00-06:30|每日", u""},
        {{u"09:00"},
         false,
         kEveryWeekday,
         u"09:00|星期一,星期二,星期三,星期四,星期五,星期六,星期日",
         u""},
        {{u"12:00", u"08:00", u"12:00"},
         false,
         {false, false, false, false, true, false, true},
         u"12:00,08:00,12:00|星期五,星期日",
         u""},
        {{}, true, kNoDay, u"", u"至少添加一个时间！"},
        {{}, false, kNoDay, u"", u"至少添加一个时间！"},
        {{u"08:00"}, false, kNoDay, u"", u"请选择周期！"},
    };
    for (const auto& c : cases) {
        const Outcome<std::u16string, DefinitionProblem> definition =
            ComposeActivityDefinition({c.entries, {c.daily, c.weekdays}});
        EXPECT_EQ(definition.value, c.value) << ::testing::PrintToString(c.value);
        EXPECT_EQ(DescribeDefinitionProblem(definition.problem), c.message)
            << ::testing::PrintToString(c.value);
        EXPECT_EQ(definition.problem == DefinitionProblem::None, c.message.empty());
    }
}

TEST(DurationToStore, KeepsWholeMinutesFromOneToSixty) {
    const struct {
        std::u16string text;
        std::optional<std::int16_t> expected;
    } cases[] = {
        {u"5", 5},
        {u"1", 1},
        {u"60", 60},
        {u" 10 ", 10},
        {u"0.6", 1},
        {u"60.4", 60},
        {u"0", std::nullopt},
        {u"61", std::nullopt},
        {u"60.5", 60},
        {u"60.6", std::nullopt},
        {u"-5", std::nullopt},
        {u"", std::nullopt},
        {u"\u3000 ", std::nullopt},
        {u"abc", std::nullopt},
        {u"5分", std::nullopt},
        {u"40000", std::nullopt},
        {u"-99999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DurationToStore(c.text), c.expected) << ::testing::PrintToString(c.text);
}

}  // namespace
