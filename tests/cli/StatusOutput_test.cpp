#include "cli/StatusOutput.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/schedule/DefaultSchedule.h"

namespace {

using enum ActivityKind;

using namespace std::chrono_literals;

// 2026-12-07 is a Monday.
LocalTime Monday(int hour, int minute) {
    return {2026y / 12 / 7, hour, minute, 0};
}

struct OutputCase {
    const char* what;
    std::vector<cTask> tasks;
    LocalTime time;
    std::u16string text;
    std::u16string json;
};

TEST(StatusOutput, PrintsTheStatusBoardsTextsAsLinesAndAsJson) {
    const OutputCase cases[] = {
        {"only the soon list: its first line, a fixed time as its start", DefaultSchedule(),
         Monday(11, 40),
         u"当前可参与：无\n*30分钟内开启*\n1. 红包刷新时间 12:00开启\n2. 就餐时间 12:00-12:30\n",
         uR"({"text":"红包刷新时间 12:00开启","tooltip":"当前可参与：无\n*30分钟内开启*\n1. )"
         uR"(红包刷新时间 12:00开启\n2. 就餐时间 12:00-12:30","class":"soon","open":[],)"
         uR"("soon":[{"name":"红包刷新时间","time":"12:00"},{"name":"就餐时间","time":)"
         uR"("12:00-12:30"}]})"
         u"\n"},
        {"something open: the now list's first line, whatever opens soon",
         {{u"早", u"12:25", u"每日", FixedTimes}, {u"午", u"11:00-12:10", u"每日", TimeRanges}},
         Monday(12, 1),
         u"*当前可参与*\n1. 午 11:00-12:10\n*30分钟内开启*\n1. 早 12:25开启\n",
         uR"({"text":"午 11:00-12:10","tooltip":"*当前可参与*\n1. 午 11:00-12:10\n)"
         uR"(*30分钟内开启*\n1. 早 12:25开启","class":"open","open":[{"name":"午","time":)"
         uR"("11:00-12:10"}],"soon":[{"name":"早","time":"12:25"}]})"
         u"\n"},
        {"nothing open or opening", DefaultSchedule(), Monday(14, 0),
         u"当前可参与：无\n30分钟内开启：无\n",
         uR"({"text":"","tooltip":"当前可参与：无\n30分钟内开启：无","class":"idle","open":[],)"
         uR"("soon":[]})"
         u"\n"},
        {"quotes, backslashes and control characters of names escaped",
         {{u"引\"号\\斜", u"14:00", u"每日", FixedTimes},
          {u"制\t表\x01\x1f\b\f\r", u"14:20-15:00", u"每日", TimeRanges}},
         Monday(14, 2),
         u"*当前可参与*\n1. 引\"号\\斜 14:00-14:05\n*30分钟内开启*\n1. 制\t表\x01\x1f\b\f\r "
         u"14:20-15:00\n",
         uR"({"text":"引\"号\\斜 14:00-14:05","tooltip":"*当前可参与*\n1. 引\"号\\斜 )"
         uR"(14:00-14:05\n*30分钟内开启*\n1. 制\t表\u0001\u001f\b\f\r 14:20-15:00",)"
         uR"("class":"open","open":[{"name":"引\"号\\斜","time":"14:00-14:05"}],)"
         uR"("soon":[{"name":"制\t表\u0001\u001f\b\f\r","time":"14:20-15:00"}]})"
         u"\n"},
    };
    for (const OutputCase& c : cases) {
        const StatusTexts texts = ComputeStatusTexts(c.tasks, 5, c.time);
        EXPECT_EQ(StatusAsText(texts), c.text) << c.what;
        EXPECT_EQ(StatusAsJson(texts), c.json) << c.what;
    }
}

}  // namespace
