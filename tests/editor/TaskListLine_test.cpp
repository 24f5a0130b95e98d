#include "editor/TaskListLine.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr WeekdayTicks kNoDay{};
constexpr WeekdayTicks kWorkdays{true, true, true, true, true, false, false};

TEST(ReadTaskListLine, GivesBackWhatTheStatusWindowReads) {
    const struct {
        std::u16string line;
        std::u16string name;
        std::vector<std::u16string> entries;
        bool daily;
        WeekdayTicks weekdays;
    } cases[] = {
        {u"红包刷新时间=00:00,08:00,12:00,16:00,20:00,22:00|每日",
         u"红包刷新时间",
         {u"00:00", u"08:00", u"12:00", u"16:00", u"20:00", u"22:00"},
         true,
         kNoDay},
        {u"就餐时间=06:00-06:30,12:00-12:30|星期一,星期二,星期三,星期四,星期五",
         u"就餐时间",
         {u"06:00-06:30", u"12:00-12:30"},
         false,
         kWorkdays},
        {u"手写=9：00， 25:70 ,,\u3000 13 : 05,|星期三　星期一，星期日",
         u"手写",
         {u"9:00", u"25:70", u"13:05"},
         false,
         {true, false, true, false, false, false, true}},
        {u"晨读=xx,9:00-|星期二每日", u"晨读", {u"xx", u"9:00-"}, true, kNoDay},
        {u"周末=08:00|星期六|星期一",
         u"周末",
         {u"08:00"},
         false,
         {false, false, false, false, false, true, false}},
        {u"甲=a=b|星期 五",
         u"甲",
         {u"a=b"},
         false,
         {false, false, false, false, true, false, false}},
        {u"无周期=08:00", u"无周期", {u"08:00"}, false, kNoDay},
        {u"空=", u"空", {}, false, kNoDay},
        {u"无等号", u"无等号", {}, false, kNoDay},
        {u"=08:00|每日", u"", {u"08:00"}, true, kNoDay},
    };
    for (const auto& c : cases) {
        const ActivityForEditing activity = ReadTaskListLine(c.line);
        const std::string context = ::testing::PrintToString(c.line);
        EXPECT_EQ(activity.name, c.name) << context;
        EXPECT_EQ(activity.entries, c.entries) << context;
        EXPECT_EQ(activity.daily, c.daily) << context;
        EXPECT_EQ(activity.weekdays, c.weekdays) << context;
        EXPECT_EQ(TaskListLineName(c.line), c.name) << context;
    }
}

}  // namespace
