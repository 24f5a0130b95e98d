#include "schedule/ActivityValue.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr WeekdayTicks kNoDay{};
constexpr WeekdayTicks kWorkdays{true, true, true, true, true, false, false};

TEST(ReadActivityValue, GivesBackWhatTheStatusWindowReadsAndComposesItAgain) {
    const struct {
        std::u16string value;
        std::vector<std::u16string> entries;
        WeekdayChoice days;
        bool composedAsWritten;  // the editor writes the value exactly this way
    } cases[] = {
        {u"00:00,08:00,12:00,16:00,20:00,22:00|每日",
         {u"00:00", u"08:00", u"12:00", u"16:00", u"20:00", u"22:00"},
         {true, kNoDay},
         true},
        {u"06:00-06:30,12:00-12:30|星期一,星期二,星期三,星期四,星期五",
         {u"06:00-06:30", u"12:00-12:30"},
         {false, kWorkdays},
         true},
        {u"9：00， 25:70 ,,\u3000 13 : 05,|星期三　星期一，星期日",
         {u"9:00", u"25:70", u"13:05"},
         {false, {true, false, true, false, false, false, true}},
         false},
        {u"xx,9:00-|星期二每日", {u"xx", u"9:00-"}, {true, kNoDay}, false},
        {u"08:00|星期六|星期一",
         {u"08:00"},
         {false, {false, false, false, false, false, true, false}},
         false},
        {u"a=b|星期 五",
         {u"a=b"},
         {false, {false, false, false, false, true, false, false}},
         false},
        {u"08:00", {u"08:00"}, {false, kNoDay}, false},
        {u"", {}, {false, kNoDay}, false},
    };
    for (const auto& c : cases) {
        const ActivityDefinition read = ReadActivityValue(c.value);
        const std::string context = ::testing::PrintToString(c.value);
        EXPECT_EQ(read.entries, c.entries) << context;
        EXPECT_EQ(read.days, c.days) << context;
        if (c.composedAsWritten) {
            EXPECT_EQ(ComposeActivityValue(read), c.value) << context;
        }
    }
}

}  // namespace
