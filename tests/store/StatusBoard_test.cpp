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
using Lines = std::vector<std::u16string>;

enum class Load { None, Startup, Reload };

// One step of a board's life: GM.ini is given the lines (unless there are none) and loaded as
// told; the tick at hour:minute of a Monday gives the lists, the entries that opened and the
// problems reported, each named by a part of its line of the report.
struct Step {
    const char* what;
    Lines file;
    Load load;
    int hour, minute;
    Lines now, soon;
    std::vector<OpenEntry> opened;
    Lines reported;
};

// A list of the status window: the header and the lines, or the text of an empty list.
std::u16string List(std::u16string_view header, std::u16string_view none, const Lines& lines) {
    std::u16string text(lines.empty() ? none : header);
    for (const std::u16string& line : lines)
        text += u"\r\n" + line;
    return text;
}

class StatusBoardTest : public testing::Test {
  protected:
    void Run(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            if (!step.file.empty()) {
                std::u16string text;
                for (const std::u16string& line : step.file)
                    text += line + u"\r\n";
                WriteTestFile(ini, EncodeCp936(text));
            }
            if (step.load == Load::Startup)
                board.LoadAtStartup();
            if (step.load == Load::Reload)
                board.Reload();
            const StatusTick tick = board.Tick({2024y / 1 / 1, step.hour, step.minute, 0});
            EXPECT_EQ(tick.texts.now, List(u"*当前可参与*", u"当前可参与：无", step.now))
                << step.what;
            EXPECT_EQ(tick.texts.soon, List(u"*30分钟内开启*", u"30分钟内开启：无", step.soon))
                << step.what;
            EXPECT_EQ(tick.opened, step.opened) << step.what;
            ExpectReported(tick.report, step.reported, step.what);
        }
    }

    // One line "· ..." per problem, in order, each holding its part.
    static void ExpectReported(const std::u16string& report, const Lines& parts, const char* what) {
        Lines lines;
        for (std::size_t at = report.find(u"\n· "); at != std::u16string::npos;) {
            const std::size_t next = report.find(u"\n· ", at + 1);
            lines.push_back(report.substr(at, next - at));
            at = next;
        }
        EXPECT_EQ(report.empty(), parts.empty()) << what;
        ASSERT_EQ(lines.size(), parts.size()) << what << testing::PrintToString(report);
        for (std::size_t i = 0; i < parts.size(); ++i)
            EXPECT_NE(lines[i].find(parts[i]), std::u16string::npos) << what << " #" << i;
    }

    TempFolder folder;
    std::filesystem::path ini = folder / "GM.ini";
    ScheduleFile schedule{{ini}, FixedClock()};
    StatusBoard board{schedule};
};

using enum Load;

TEST_F(StatusBoardTest, TheDefaultScheduleAcrossAnOpeningAndAClosing) {
    const Lines soon = {u"1. 红包刷新时间 12:00开启", u"2. 就餐时间 12:00-12:30"};
    const Lines both = {u"1. 红包刷新时间 12:00-12:05", u"2. 就餐时间 12:00-12:30"};
    const Lines range = {u"1. 就餐时间 12:00-12:30"};
    const std::vector<OpenEntry> opened = {{u"红包刷新时间", u"12:00-12:05"},
                                           {u"就餐时间", u"12:00-12:30"}};
    Run({
        {"start-up writes the default file", {}, Startup, 11, 59, {}, soon, {}, {}},
        {"both open", {}, None, 12, 0, both, {}, opened, {}},
        {"still open: nothing opened", {}, None, 12, 5, both, {}, {}, {}},
        {"the fixed time closed", {}, None, 12, 6, range, {}, {}, {}},
        {"both closed", {}, None, 12, 31, {}, {}, {}, {}},
    });
    EXPECT_TRUE(std::filesystem::is_regular_file(ini));
}

TEST_F(StatusBoardTest, ProblemsAreReportedOnceAndAgainOnlyWhenTheyChange) {
    const Lines bad = {u"[固定时间任务日程]", u"无竖线=11:45",          u"早会=1150,11:55|每日",
                       u"[范围时间任务日程]", u"午餐=11:30-12:30|每日", u"[持续时间设置]",
                       u"持续时间=abc"};
    const Lines worse = {u"[固定时间任务日程]", u"无竖线=11:45",       u"早会=1150,11:55|每日",
                         u"也坏=11:50,x|每日",  u"[范围时间任务日程]", u"午餐=11:30-12:30|每日"};
    const Lines good = {u"[固定时间任务日程]", u"好=11:40|每日"};
    const Lines lunch = {u"1. 午餐 11:30-12:30"};
    const Lines meeting = {u"1. 早会 11:55开启"};
    const Lines both = {u"1. 早会 11:55开启", u"2. 也坏 11:50开启"};
    const Lines fine = {u"1. 好 11:40-11:45"};
    const std::u16string noBar = u"“无竖线”缺少“|”";
    const std::u16string meeting1150 = u"“早会”中有时间无法识别：“1150”";
    const Lines atStart = {noBar, meeting1150, u"“持续时间”的值“abc”不是数字，暂按 5 分钟计算"};
    const Lines added = {noBar, meeting1150, u"“也坏”中有时间无法识别：“x”"};
    const Lines again = {noBar, meeting1150};  // the duration is not read again
    // What a reload brings in opens, as much as what the clock brings.
    const std::vector<OpenEntry> goodOpens = {{u"好", u"11:40-11:45"}};
    const std::vector<OpenEntry> lunchOpens = {{u"午餐", u"11:30-12:30"}};
    Run({
        {"start-up", bad, Startup, 11, 40, lunch, meeting, {}, atStart},
        {"a tick says nothing again", {}, None, 11, 41, lunch, meeting, {}, {}},
        {"a reload finding the same neither", {}, Reload, 11, 41, lunch, meeting, {}, {}},
        {"a new problem", worse, Reload, 11, 42, lunch, both, {}, added},
        {"nothing wrong: nothing to say", good, Reload, 11, 42, fine, {}, goodOpens, {}},
        {"the old problems again", bad, Reload, 11, 43, lunch, meeting, lunchOpens, again},
    });
}

TEST_F(StatusBoardTest, TheDurationIsReadAtStartUpOnly) {
    const Lines ten = {u"[固定时间任务日程]", u"签到=11:30|每日", u"[持续时间设置]",
                       u"持续时间=10"};
    const Lines three = {u"[固定时间任务日程]", u"签到=11:30|每日", u"[持续时间设置]",
                         u"持续时间=3"};
    const Lines checkIn = {u"1. 签到 11:30-11:40"};
    Run({
        {"open at the first tick, but not opened", ten, Startup, 11, 40, checkIn, {}, {}, {}},
        {"a reload keeps ten minutes", three, Reload, 11, 40, checkIn, {}, {}, {}},
    });
}

TEST_F(StatusBoardTest, OpeningsAcrossAMinuteMidnightAWeekdayAndASleep) {
    WriteTestFile(ini, EncodeCp936(u"[固定时间任务日程]\r\n晨读=08:00|星期一,星期二\r\n"
                                   u"[范围时间任务日程]\r\n夜班=23:30-00:30|每日\r\n"
                                   u"周会=09:00-10:00|星期二\r\n"));
    board.LoadAtStartup();
    struct Row {
        const char* what;
        std::chrono::day day;  // of January 2024, which begins on a Monday
        int hour, minute, second;
        std::vector<OpenEntry> opened;
        std::optional<std::int32_t> secondsToNext;
    };
    const OpenEntry reading = {u"晨读", u"08:00-08:05"};
    const OpenEntry night = {u"夜班", u"23:30-00:30"};
    const OpenEntry meeting = {u"周会", u"09:00-10:00"};
    const Row rows[] = {
        {"the first tick tells nothing", 1d, 7, 59, 30, {}, 30},
        {"at the minute", 1d, 8, 0, 0, {reading}, (15 * 60 + 30) * 60},
        {"still open", 1d, 8, 3, 0, {}, (15 * 60 + 27) * 60},
        {"a range at night", 1d, 23, 30, 1, {night}, (8 * 60 + 30) * 60 - 1},
        {"past midnight, the same range", 2d, 0, 10, 0, {}, (7 * 60 + 50) * 60},
        {"after a sleep: what is still open", 2d, 9, 30, 0, {meeting}, 14 * 60 * 60},
        {"a day without the reading", 3d, 8, 0, 0, {}, (15 * 60 + 30) * 60},
    };
    for (const Row& row : rows) {
        const LocalTime now{2024y / std::chrono::January / row.day, row.hour, row.minute,
                            row.second};
        EXPECT_EQ(board.Tick(now).opened, row.opened) << row.what;
        EXPECT_EQ(board.SecondsToNextOpening(now), row.secondsToNext) << row.what;
    }
}

}  // namespace
