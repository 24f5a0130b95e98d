#include "schedule/StatusTexts.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/schedule/DefaultSchedule.h"

namespace {

using enum ActivityKind;

using namespace std::chrono_literals;

const std::u16string kNowNone = u"当前可参与：无";
const std::u16string kSoonNone = u"30分钟内开启：无";

// 2026-12-07 is a Monday; the following days run through Sunday 2026-12-13.
enum Day { Monday = 7, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday };

LocalTime At(Day day, int hour, int minute, int second = 0) {
    return {2026y / 12 / static_cast<unsigned>(day), hour, minute, second};
}

std::u16string Joined(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (const std::u16string& line : lines) {
        if (!text.empty())
            text += u"\r\n";
        text += line;
    }
    return text;
}

std::u16string NowList(const std::vector<std::u16string>& lines) {
    std::vector<std::u16string> all{u"*当前可参与*"};
    all.insert(all.end(), lines.begin(), lines.end());
    return Joined(all);
}

std::u16string SoonList(const std::vector<std::u16string>& lines) {
    std::vector<std::u16string> all{u"*30分钟内开启*"};
    all.insert(all.end(), lines.begin(), lines.end());
    return Joined(all);
}

struct MomentCase {
    const char* moment;
    LocalTime time;
    std::u16string now;
    std::u16string soon;
};

TEST(ComputeStatusTexts, ReportsTheDefaultScheduleAtEachMoment) {
    const MomentCase cases[] = {
        {"Monday 11:40", At(Monday, 11, 40), kNowNone,
         SoonList({u"1. 红包刷新时间 12:00开启", u"2. 就餐时间 12:00-12:30"})},
        {"Monday 12:03", At(Monday, 12, 3),
         NowList({u"1. 红包刷新时间 12:00-12:05", u"2. 就餐时间 12:00-12:30"}), kSoonNone},
        {"Saturday 12:03", At(Saturday, 12, 3), NowList({u"1. 红包刷新时间 12:00-12:05"}),
         kSoonNone},
        {"Sunday 00:02", At(Sunday, 0, 2), NowList({u"1. 红包刷新时间 00:00-00:05"}), kSoonNone},
        {"Wednesday 00:02", At(Wednesday, 0, 2), NowList({u"1. 红包刷新时间 00:00-00:05"}),
         kSoonNone},
        {"Monday 12:05", At(Monday, 12, 5),
         NowList({u"1. 红包刷新时间 12:00-12:05", u"2. 就餐时间 12:00-12:30"}), kSoonNone},
        {"Monday 12:06", At(Monday, 12, 6), NowList({u"1. 就餐时间 12:00-12:30"}), kSoonNone},
        {"Saturday 12:06", At(Saturday, 12, 6), kNowNone, kSoonNone},
        {"Monday 11:30", At(Monday, 11, 30), kNowNone,
         SoonList({u"1. 红包刷新时间 12:00开启", u"2. 就餐时间 12:00-12:30"})},
        {"Monday 11:29", At(Monday, 11, 29), kNowNone, kSoonNone},
        {"Monday 11:29:59", At(Monday, 11, 29, 59), kNowNone, kSoonNone},
        {"Monday 23:45", At(Monday, 23, 45), kNowNone, kSoonNone},
        {"Monday 05:35", At(Monday, 5, 35), kNowNone, SoonList({u"1. 就餐时间 06:00-06:30"})},
        {"Saturday 05:35", At(Saturday, 5, 35), kNowNone, kSoonNone},
        {"Friday 06:30", At(Friday, 6, 30), NowList({u"1. 就餐时间 06:00-06:30"}), kSoonNone},
        {"Friday 06:31", At(Friday, 6, 31), kNowNone, kSoonNone},
        {"Tuesday 07:45", At(Tuesday, 7, 45), kNowNone, SoonList({u"1. 红包刷新时间 08:00开启"})},
        {"Thursday 08:00", At(Thursday, 8, 0), NowList({u"1. 红包刷新时间 08:00-08:05"}),
         kSoonNone},
        {"Thursday 17:45", At(Thursday, 17, 45), kNowNone, SoonList({u"1. 就餐时间 18:00-18:30"})},
        {"Thursday 18:20", At(Thursday, 18, 20), NowList({u"1. 就餐时间 18:00-18:30"}), kSoonNone},
        {"Sunday 19:30", At(Sunday, 19, 30), kNowNone, SoonList({u"1. 红包刷新时间 20:00开启"})},
        {"Sunday 21:55", At(Sunday, 21, 55), kNowNone, SoonList({u"1. 红包刷新时间 22:00开启"})},
        {"Sunday 22:05", At(Sunday, 22, 5), NowList({u"1. 红包刷新时间 22:00-22:05"}), kSoonNone},
    };
    for (const MomentCase& c : cases) {
        const StatusTexts texts = ComputeStatusTexts(DefaultSchedule(), 5, c.time);
        EXPECT_EQ(texts.now, c.now) << c.moment;
        EXPECT_EQ(texts.soon, c.soon) << c.moment;
    }
}

struct ScheduleCase {
    const char* what;
    std::vector<cTask> tasks;
    std::int16_t duration;
    LocalTime time;
    std::u16string now;
    std::u16string soon;
};

TEST(ComputeStatusTexts, FollowsTheRulesOfBothLists) {
    const cTask overMidnight{u"夜场", u"23:00-01:00", u"每日", TimeRanges};
    const cTask mondayNight{u"周一夜场", u"23:00-01:00", u"星期一", TimeRanges};
    const cTask nine{u"早会", u"9:00", u"每日", FixedTimes};
    const cTask nineRange{u"早市", u"9:00-9:30", u"每日", TimeRanges};
    const ScheduleCase cases[] = {
        {"no tasks", {}, 5, At(Monday, 12, 0), kNowNone, kSoonNone},
        {"fixed point across midnight",
         {{u"守岁", u"23:58", u"每日", FixedTimes}},
         5,
         At(Tuesday, 0, 1),
         NowList({u"1. 守岁 23:58-00:03"}),
         kSoonNone},
        {"range across midnight, after",
         {overMidnight},
         5,
         At(Monday, 0, 30),
         NowList({u"1. 夜场 23:00-01:00"}),
         kSoonNone},
        {"range across midnight, before",
         {overMidnight},
         5,
         At(Monday, 22, 40),
         kNowNone,
         SoonList({u"1. 夜场 23:00-01:00"})},
        {"weekday range, its own evening",
         {mondayNight},
         5,
         At(Monday, 23, 30),
         NowList({u"1. 周一夜场 23:00-01:00"}),
         kSoonNone},
        {"weekday range, the next morning",
         {mondayNight},
         5,
         At(Tuesday, 0, 30),
         kNowNone,
         kSoonNone},
        {"weekday range, its own morning",
         {mondayNight},
         5,
         At(Monday, 0, 30),
         NowList({u"1. 周一夜场 23:00-01:00"}),
         kSoonNone},
        {"look-ahead does not wrap",
         {{u"零点", u"00:05", u"每日", FixedTimes}},
         5,
         At(Monday, 23, 45),
         kNowNone,
         kSoonNone},
        {"empty weekday text",
         {{u"无日", u"12:00", u"", FixedTimes}, {u"无日2", u"12:00-13:00", u"", TimeRanges}},
         5,
         At(Monday, 12, 0),
         kNowNone,
         kSoonNone},
        {"same time twice",
         {{u"双", u"12:00,12:00", u"每日", FixedTimes}},
         5,
         At(Monday, 12, 1),
         NowList({u"1. 双 12:00-12:05", u"2. 双 12:00-12:05"}),
         kSoonNone},
        {"short fixed point, now",
         {nine},
         5,
         At(Monday, 9, 2),
         NowList({u"1. 早会 09:00-09:05"}),
         kSoonNone},
        {"short fixed point, soon",
         {nine},
         5,
         At(Monday, 8, 45),
         kNowNone,
         SoonList({u"1. 早会 09:00开启"})},
        {"short range, now",
         {nineRange},
         5,
         At(Monday, 9, 2),
         NowList({u"1. 早市 9:00-9:30"}),
         kSoonNone},
        {"short range, soon",
         {nineRange},
         5,
         At(Monday, 8, 45),
         kNowNone,
         SoonList({u"1. 早市 9:00-9:30"})},
        {"collection order, not start order",
         {{u"甲", u"10:00-12:00", u"每日", TimeRanges},
          {u"乙", u"11:58", u"每日", FixedTimes},
          {u"丙", u"11:00-11:59", u"每日", TimeRanges},
          {u"丁", u"11:55", u"每日", FixedTimes}},
         5,
         At(Monday, 11, 59),
         NowList({u"1. 甲 10:00-12:00", u"2. 乙 11:58-12:03", u"3. 丙 11:00-11:59",
                  u"4. 丁 11:55-12:00"}),
         kSoonNone},
        {"numbering per list across activities",
         {{u"甲", u"12:00,12:20,11:55", u"每日", FixedTimes},
          {u"乙", u"12:10-12:20,11:00-12:30", u"每日", TimeRanges}},
         5,
         At(Monday, 12, 0),
         NowList({u"1. 甲 12:00-12:05", u"2. 甲 11:55-12:00", u"3. 乙 11:00-12:30"}),
         SoonList({u"1. 甲 12:20开启", u"2. 乙 12:10-12:20"})},
        {"name kept as stored, texts normalised",
         {{u" 任务 A ", u" 12 ： 00 ， 13:00", u"星期 一", FixedTimes}},
         5,
         At(Monday, 12, 40),
         kNowNone,
         SoonList({u"1.  任务 A  13:00开启"})},
        {"duration from the caller",
         {{u"长", u"12:00", u"每日", FixedTimes}},
         60,
         At(Monday, 12, 59),
         NowList({u"1. 长 12:00-13:00"}),
         kSoonNone},
        {"zero duration",
         {{u"瞬", u"12:00", u"每日", FixedTimes}},
         0,
         At(Monday, 12, 1),
         kNowNone,
         kSoonNone},
        {"out-of-range values evaluated as read",
         {{u"怪", u"25:70,ab:cd", u"每日", FixedTimes}},
         5,
         At(Monday, 2, 15),
         NowList({u"1. 怪 25:70-02:15"}),
         kSoonNone},
    };
    for (const ScheduleCase& c : cases) {
        const StatusTexts texts = ComputeStatusTexts(c.tasks, c.duration, c.time);
        EXPECT_EQ(texts.now, c.now) << c.what;
        EXPECT_EQ(texts.soon, c.soon) << c.what;
    }
}

TEST(ComputeStatusTexts, SkipsUnreadableEntriesAndShowsTheRest) {
    const std::vector<cTask> tasks = {
        {u"坏一", u"0800,12:00,40000:00,12:02", u"每日", FixedTimes},
        {u"全坏", u"1200,99999:1", u"每日", FixedTimes},
        {u"坏二", u"12:00,12:00-12:30,-12:40,12:20-12:40", u"每日", TimeRanges},
        {u"好", u"12:01", u"每日", FixedTimes},
    };
    const StatusTexts texts = ComputeStatusTexts(tasks, 5, At(Monday, 12, 3));
    EXPECT_EQ(texts.now, NowList({u"1. 坏一 12:00-12:05", u"2. 坏一 12:02-12:07",
                                  u"3. 坏二 12:00-12:30", u"4. 好 12:01-12:06"}));
    EXPECT_EQ(texts.soon, SoonList({u"1. 坏二 12:20-12:40"}));
}

TEST(ComputeStatusTexts, ListsEveryMatchBeyondOneHundredAndOne) {
    std::vector<cTask> tasks;
    for (int i = 0; i < 150; ++i) {
        std::u16string name = u"活动";
        for (char c : std::to_string(i))
            name.push_back(static_cast<char16_t>(c));
        tasks.push_back({name, u"12:00,12:20", u"每日", FixedTimes});
    }
    std::u16string manyTimes = u"12:25";
    for (int i = 0; i < 299; ++i)
        manyTimes += u",12:25";
    tasks.push_back({u"多", manyTimes, u"每日", FixedTimes});

    const StatusTexts texts = ComputeStatusTexts(tasks, 5, At(Monday, 12, 0));

    std::vector<std::u16string> nowLines;
    std::vector<std::u16string> soonLines;
    for (int i = 0; i < 150; ++i) {
        std::u16string number;
        for (char c : std::to_string(i + 1))
            number.push_back(static_cast<char16_t>(c));
        std::u16string name = tasks[i].任务名;
        nowLines.push_back(number + u". " + name + u" 12:00-12:05");
        soonLines.push_back(number + u". " + name + u" 12:20开启");
    }
    for (int i = 150; i < 450; ++i) {
        std::u16string number;
        for (char c : std::to_string(i + 1))
            number.push_back(static_cast<char16_t>(c));
        soonLines.push_back(number + u". 多 12:25开启");
    }
    EXPECT_EQ(texts.now, NowList(nowLines));
    EXPECT_EQ(texts.soon, SoonList(soonLines));
}

}  // namespace
