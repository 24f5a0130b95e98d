// The status board: what the status window shows and reports, tick by tick, without a window.

#include "store/StatusBoard.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Cp936.h"
#include "tests/store/StoreTestFiles.h"

static void PrintTo(const OpenEntry& entry, std::ostream* out) {
    *out << testing::PrintToString(entry.name + u" " + entry.displayText);
}

namespace {

using namespace std::chrono_literals;

// 2024-01-01 is a Monday.
LocalTime MondayAt(int hour, int minute) {
    return {2024y / 1 / 1, hour, minute, 0};
}

std::u16string Lines(std::initializer_list<std::u16string_view> lines) {
    std::u16string text;
    for (std::u16string_view line : lines)
        text.append(line).append(u"\r\n");
    return text;
}

// A list of the status window: the header and the numbered lines, or the text of an empty list.
std::u16string List(std::u16string_view header, std::u16string_view none,
                    const std::vector<std::u16string>& lines) {
    if (lines.empty())
        return std::u16string(none);
    std::u16string text(header);
    for (const std::u16string& line : lines)
        text += u"\r\n" + line;
    return text;
}

// The problems a report names, one per line after its "· ".
std::vector<std::u16string> ProblemLines(const std::u16string& report) {
    std::vector<std::u16string> lines;
    constexpr std::u16string_view kBullet = u"\n· ";
    for (std::size_t at = report.find(kBullet); at != std::u16string::npos;) {
        const std::size_t next = report.find(kBullet, at + kBullet.size());
        lines.push_back(report.substr(at + kBullet.size(), next - at - kBullet.size()));
        at = next;
    }
    if (lines.empty() && !report.empty())
        lines.push_back(report);
    return lines;
}

enum class Load { None, Startup, Reload };

// One step of a board's life: GM.ini is written (unless file is empty), loaded as told, and the
// tick at the moment gives the lists, the entries that opened and the problems reported.
struct Step {
    const char* what;
    std::u16string file;
    Load load;
    LocalTime at;
    std::vector<std::u16string> now;
    std::vector<std::u16string> soon;
    std::vector<OpenEntry> opened;
    std::vector<std::u16string> reported;
};

class StatusBoardTest : public testing::Test {
  protected:
    void Run(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            if (!step.file.empty())
                WriteTestFile(ini, EncodeCp936(step.file));
            if (step.load == Load::Startup)
                board.LoadAtStartup();
            if (step.load == Load::Reload)
                board.Reload();
            const StatusTick tick = board.Tick(step.at);
            EXPECT_EQ(tick.texts.now, List(u"*当前可参与*", u"当前可参与：无", step.now))
                << step.what;
            EXPECT_EQ(tick.texts.soon, List(u"*30分钟内开启*", u"30分钟内开启：无", step.soon))
                << step.what;
            EXPECT_EQ(tick.opened, step.opened) << step.what;
            EXPECT_EQ(ProblemLines(tick.report), step.reported) << step.what;
        }
    }

    TempFolder folder;
    std::filesystem::path ini = folder / "GM.ini";
    ScheduleFile schedule{{ini}, FixedClock()};
    StatusBoard board{schedule};
};

TEST_F(StatusBoardTest, TheDefaultScheduleAcrossAnOpeningAndAClosing) {
    const std::vector<std::u16string> bothOpen = {u"1. 红包刷新时间 12:00-12:05",
                                                  u"2. 就餐时间 12:00-12:30"};
    Run({
        {"start-up writes the default file",
         {},
         Load::Startup,
         MondayAt(11, 59),
         {},
         {u"1. 红包刷新时间 12:00开启", u"2. 就餐时间 12:00-12:30"},
         {},
         {}},
        {"both open",
         {},
         Load::None,
         MondayAt(12, 0),
         bothOpen,
         {},
         {{u"红包刷新时间", u"12:00-12:05"}, {u"就餐时间", u"12:00-12:30"}},
         {}},
        {"still open: nothing opened", {}, Load::None, MondayAt(12, 5), bothOpen, {}, {}, {}},
        {"the fixed time closed",
         {},
         Load::None,
         MondayAt(12, 6),
         {u"1. 就餐时间 12:00-12:30"},
         {},
         {},
         {}},
        {"both closed", {}, Load::None, MondayAt(12, 31), {}, {}, {}, {}},
    });
    EXPECT_TRUE(std::filesystem::is_regular_file(ini));
}

TEST_F(StatusBoardTest, ProblemsAreReportedOnceAndAgainOnlyWhenTheyChange) {
    const std::u16string bad = Lines(
        {u"[固定时间任务日程]", u"无竖线=11:45", u"早会=1150,11:55|每日", u"[范围时间任务日程]",
         u"午餐=11:30-12:30|每日", u"[持续时间设置]", u"持续时间=abc"});
    const std::vector<std::u16string> badProblems = {
        u"[固定时间任务日程] 任务“无竖线”缺少“|”，分不出时间和星期，已跳过。",
        u"[固定时间任务日程] 任务“早会”中有时间无法识别：“1150”（缺少“:”或“-”，或时段的一端为空），"
        u"已跳过这一时间。"};
    std::vector<std::u16string> startupProblems = badProblems;
    startupProblems.push_back(u"[持续时间设置] “持续时间”的值“abc”不是数字，暂按 5 分钟计算。");
    const std::vector<std::u16string> lunch = {u"1. 午餐 11:30-12:30"};
    const std::vector<std::u16string> meeting = {u"1. 早会 11:55开启"};
    Run({
        {"start-up", bad, Load::Startup, MondayAt(11, 40), lunch, meeting, {}, startupProblems},
        {"a tick says nothing again", {}, Load::None, MondayAt(11, 41), lunch, meeting, {}, {}},
        {"neither does a reload finding the same",
         {},
         Load::Reload,
         MondayAt(11, 41),
         lunch,
         meeting,
         {},
         {}},
        {"a new problem",
         Lines({u"[固定时间任务日程]", u"无竖线=11:45", u"早会=1150,11:55|每日",
                u"也坏=11:50,x|每日", u"[范围时间任务日程]", u"午餐=11:30-12:30|每日"}),
         Load::Reload,
         MondayAt(11, 42),
         lunch,
         {u"1. 早会 11:55开启", u"2. 也坏 11:50开启"},
         {},
         {badProblems[0], badProblems[1],
          u"[固定时间任务日程] 任务“也坏”中有时间无法识别：“x”（缺少“:”或“-”，或时段的一端为空），"
          u"已跳过这一时间。"}},
        {"nothing wrong any more: nothing to say, and what opened with the reload",
         Lines({u"[固定时间任务日程]", u"好=11:40|每日"}),
         Load::Reload,
         MondayAt(11, 42),
         {u"1. 好 11:40-11:45"},
         {},
         {{u"好", u"11:40-11:45"}},
         {}},
        {"the old problems again",
         bad,
         Load::Reload,
         MondayAt(11, 43),
         lunch,
         meeting,
         {{u"午餐", u"11:30-12:30"}},
         badProblems},
    });
}

TEST_F(StatusBoardTest, TheDurationIsReadAtStartUpOnly) {
    Run({
        {"open at the first tick, but not opened",
         Lines({u"[固定时间任务日程]", u"签到=11:30|每日", u"[持续时间设置]", u"持续时间=10"}),
         Load::Startup,
         MondayAt(11, 40),
         {u"1. 签到 11:30-11:40"},
         {},
         {},
         {}},
        {"a reload keeps ten minutes",
         Lines({u"[固定时间任务日程]", u"签到=11:30|每日", u"[持续时间设置]", u"持续时间=3"}),
         Load::Reload,
         MondayAt(11, 40),
         {u"1. 签到 11:30-11:40"},
         {},
         {},
         {}},
    });
}

}  // namespace
