// The status board: what the status window shows, sends and tells, look by look, without a
// window.

#include "status/StatusBoard.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/store/StoreTestFiles.h"
#include "text/Cp936.h"

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::u16string>;

enum class Load { None, Startup, Reload };

// One step of a board's life: GM.ini is given the lines (unless there are none), with
// notifications on and no warnings, and loaded as told; the look at hour:minute of a Monday gives
// the lists, the notifications sent ("summary | body") and the problems told, each named by a
// part of its line of the message.
struct Step {
    const char* what;
    Lines file;
    Load load;
    int hour, minute;
    Lines now, soon;
    Lines sent;
    Lines told;
};

// A list of the status window: the header and the lines, or the text of an empty list.
std::u16string List(std::u16string_view header, std::u16string_view none, const Lines& lines) {
    std::u16string text(lines.empty() ? none : header);
    for (const std::u16string& line : lines)
        text += u"\r\n" + line;
    return text;
}

// "summary | body", and " ♪" when a sound goes with it.
Lines Sent(const std::vector<Notification>& notifications) {
    Lines sent;
    for (const Notification& n : notifications)
        sent.push_back(n.summary + u" | " + n.body + (n.sound ? u" ♪" : u""));
    return sent;
}

class StatusBoardTest : public testing::Test {
  protected:
    void Write(const Lines& lines) {
        std::u16string text;
        for (const std::u16string& line : lines)
            text += line + u"\r\n";
        WriteTestFile(ini, EncodeCp936(text));
    }

    // The start-up's load, with a notification service there; notifications are turned on in the
    // settings when the file does not have them on, and the board is told.
    void Start() {
        Outcome<ProgramSettings, StartupProblems> loaded = schedule.LoadAtStartup();
        settings.emplace(schedule, std::move(loaded.value), folder / "quillot");
        board.emplace(schedule, *settings, loaded.problem);
        board->NotificationServiceAnswered(true);
        if (!board->Notifying()) {
            EXPECT_FALSE(settings->TurnNotifications(true));
        }
    }

    void Run(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            if (!step.file.empty()) {
                Lines lines = step.file;
                lines.insert(lines.end(), {u"[程序设置]", u"活动开启时通知=1", u"提前提醒=0"});
                Write(lines);
            }
            if (step.load == Load::Startup)
                Start();
            if (step.load == Load::Reload)
                board->Reload();
            const StatusLook look = board->Look({2024y / 1 / 1, step.hour, step.minute, 0});
            EXPECT_EQ(look.texts.now, List(u"*当前可参与*", u"当前可参与：无", step.now))
                << step.what;
            EXPECT_EQ(look.texts.soon, List(u"*30分钟内开启*", u"30分钟内开启：无", step.soon))
                << step.what;
            EXPECT_EQ(Sent(look.notifications), step.sent) << step.what;
            ExpectTold(look.message, step.told, step.what);
        }
    }

    // One look of a timeline: the moment, given as a day of January 2024 (which begins on a
    // Monday), what is sent then and when the board says to look again.
    struct Moment {
        const char* what;
        std::chrono::day day;
        int hour, minute, second;
        Lines sent;
        std::optional<std::int32_t> secondsToNextLook;
    };
    void Follow(const std::vector<Moment>& moments) {
        for (const Moment& m : moments) {
            const StatusLook look =
                board->Look({2024y / std::chrono::January / m.day, m.hour, m.minute, m.second});
            EXPECT_EQ(Sent(look.notifications), m.sent) << m.what;
            EXPECT_EQ(look.secondsToNextLook, m.secondsToNextLook) << m.what;
        }
    }

    // One line "· ..." per problem, in order, each holding its part.
    static void ExpectTold(const std::u16string& message, const Lines& parts, const char* what) {
        Lines lines;
        for (std::size_t at = message.find(u"\n· "); at != std::u16string::npos;) {
            const std::size_t next = message.find(u"\n· ", at + 1);
            lines.push_back(message.substr(at, next - at));
            at = next;
        }
        EXPECT_EQ(message.empty(), parts.empty()) << what;
        ASSERT_EQ(lines.size(), parts.size()) << what << testing::PrintToString(message);
        for (std::size_t i = 0; i < parts.size(); ++i)
            EXPECT_NE(lines[i].find(parts[i]), std::u16string::npos) << what << " #" << i;
    }

    TempFolder folder;
    std::filesystem::path ini = folder / "GM.ini";
    ScheduleStore schedule{{ini}, FixedClock()};
    std::optional<Settings> settings;
    std::optional<StatusBoard> board;  // from the start-up's load on
};

using enum Load;

TEST_F(StatusBoardTest, TheDefaultScheduleAcrossAnOpeningAndAClosing) {
    const Lines soon = {u"1. 红包刷新时间 12:00开启", u"2. 就餐时间 12:00-12:30"};
    const Lines both = {u"1. 红包刷新时间 12:00-12:05", u"2. 就餐时间 12:00-12:30"};
    const Lines range = {u"1. 就餐时间 12:00-12:30"};
    const Lines opened = {u"红包刷新时间 已开启 | 12:00-12:05", u"就餐时间 已开启 | 12:00-12:30"};
    Run({
        {"start-up writes the default file", {}, Startup, 11, 59, {}, soon, {}, {}},
        {"both open", {}, None, 12, 0, both, {}, opened, {}},
        {"still open: nothing opened", {}, None, 12, 5, both, {}, {}, {}},
        {"the fixed time closed", {}, None, 12, 6, range, {}, {}, {}},
        {"both closed", {}, None, 12, 31, {}, {}, {}, {}},
    });
    EXPECT_TRUE(std::filesystem::is_regular_file(ini));
}

TEST_F(StatusBoardTest, ProblemsAreToldOnceAndAgainOnlyWhenTheyChange) {
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
    // What a reload brings in opens, as much as what the clock brings; but lunch, back again, is
    // the opening that was open at the start: it is not told.
    const Lines goodOpens = {u"好 已开启 | 11:40-11:45"};
    Run({
        {"start-up", bad, Startup, 11, 40, lunch, meeting, {}, atStart},
        {"a tick says nothing again", {}, None, 11, 41, lunch, meeting, {}, {}},
        {"a reload finding the same neither", {}, Reload, 11, 41, lunch, meeting, {}, {}},
        {"a new problem", worse, Reload, 11, 42, lunch, both, {}, added},
        {"nothing wrong: nothing to say", good, Reload, 11, 42, fine, {}, goodOpens, {}},
        {"the old problems again", bad, Reload, 11, 43, lunch, meeting, {}, again},
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
    Write({u"[固定时间任务日程]", u"晨读=08:00|星期一,星期二", u"[范围时间任务日程]",
           u"夜班=23:30-00:30|每日", u"周会=09:00-10:00|星期二", u"[程序设置]", u"活动开启时通知=1",
           u"提前提醒=0"});
    Start();
    Follow({
        {"the first look tells nothing", 1d, 7, 59, 30, {}, 30},
        {"at the minute", 1d, 8, 0, 0, {u"晨读 已开启 | 08:00-08:05"}, (15 * 60 + 30) * 60},
        {"still open", 1d, 8, 3, 0, {}, (15 * 60 + 27) * 60},
        {"a range at night", 1d, 23, 30, 1, {u"夜班 已开启 | 23:30-00:30"}, (8 * 60 + 30) * 60 - 1},
        {"past midnight, the same range", 2d, 0, 10, 0, {}, (7 * 60 + 50) * 60},
        {"after a sleep: what is still open",
         2d,
         9,
         30,
         0,
         {u"周会 已开启 | 09:00-10:00"},
         14 * 60 * 60},
        {"a day without the reading", 3d, 8, 0, 0, {}, (15 * 60 + 30) * 60},
    });
}

// Warnings 10 and 5 minutes ahead, with a sound, across midnight: the weekday rule is that of the
// opening's day. From Monday's opening the next warning is Saturday night's, for Sunday.
TEST_F(StatusBoardTest, WarningsAheadAcrossMidnightFollowTheOpeningsWeekday) {
    Write({u"[固定时间任务日程]", u"周一早=00:05|星期一", u"周日早=00:05|星期日", u"[程序设置]",
           u"活动开启时通知=1", u"提前提醒=5,10", u"提醒声音=1"});
    Start();
    Follow({
        {"Sunday night, the first look", 7d, 23, 50, 0, {}, 5 * 60},
        {"only Monday's is warned on Sunday night",
         7d,
         23,
         55,
         0,
         {u"周一早 10 分钟后开启 | 00:05开启 ♪"},
         5 * 60},
        {"a second late: the whole minutes left",
         8d,
         0,
         0,
         1,
         {u"周一早 5 分钟后开启 | 00:05开启 ♪"},
         5 * 60 - 1},
        {"the opening",
         8d,
         0,
         5,
         0,
         {u"周一早 已开启 | 00:05-00:10 ♪"},
         (5 * 24 * 60 + 23 * 60 + 50) * 60},
        {"Saturday night, for Sunday",
         13d,
         23,
         55,
         0,
         {u"周日早 10 分钟后开启 | 00:05开启 ♪"},
         5 * 60},
    });
}

// Leads of 60 and 5 minutes. The clock set back brings nothing twice; after a sleep or a clock
// set forward the next look sends once what is still true: one late warning for an opening still
// ahead, the opening of what is still open.
TEST_F(StatusBoardTest, EachWarningAndOpeningOnceWhateverTheClockDoes) {
    Write({u"[固定时间任务日程]", u"早会=09:00|每日", u"[范围时间任务日程]",
           u"午餐=12:00-12:30|每日", u"[程序设置]", u"活动开启时通知=1", u"提前提醒=60,5"});
    Start();
    const std::u16string meeting = u"早会 60 分钟后开启 | 09:00开启";
    Follow({
        {"start", 1d, 7, 59, 30, {}, 30},
        {"an hour ahead", 1d, 8, 0, 0, {meeting}, 55 * 60},
        {"the clock set back two minutes", 1d, 7, 58, 0, {}, 2 * 60},
        {"the same moment again: nothing", 1d, 8, 0, 0, {}, 55 * 60},
        {"five minutes ahead", 1d, 8, 55, 0, {u"早会 5 分钟后开启 | 09:00开启"}, 5 * 60},
        {"the opening", 1d, 9, 0, 0, {u"早会 已开启 | 09:00-09:05"}, 2 * 60 * 60},
        {"set back a minute", 1d, 8, 59, 0, {}, 60},
        {"no second opening", 1d, 9, 0, 0, {}, 2 * 60 * 60},
        {"woken after both warnings of lunch",
         1d,
         11,
         57,
         30,
         {u"午餐 3 分钟后开启 | 12:00-12:30"},
         150},
        {"set forward past the opening: still open",
         1d,
         12,
         10,
         0,
         {u"午餐 已开启 | 12:00-12:30"},
         (19 * 60 + 50) * 60},
    });
}

// Warnings 5 minutes ahead. The clock set back to the very second of a warning brings it; a warning
// whose moment came while notifications were off is not sent when they are on again, nor after the
// clock is then set back across it.
TEST_F(StatusBoardTest, AWarningAtTheSecondTheClockIsSetBackToAndNoneFromTheTimeOff) {
    Write({u"[固定时间任务日程]", u"早会=11:05,12:00|每日", u"[程序设置]", u"活动开启时通知=1"});
    Start();
    Follow({
        {"start", 1d, 11, 30, 0, {}, 25 * 60},
        {"set back to a warning's second",
         1d,
         11,
         0,
         0,
         {u"早会 5 分钟后开启 | 11:05开启"},
         5 * 60},
    });
    EXPECT_FALSE(settings->TurnNotifications(false));
    Follow({{"turned off ten seconds before a warning", 1d, 11, 54, 50, {}, std::nullopt}});
    EXPECT_FALSE(settings->TurnNotifications(true));
    Follow({
        {"turned on after it", 1d, 11, 55, 30, {}, 4 * 60 + 30},
        {"set back across it", 1d, 11, 55, 0, {}, 5 * 60},
        {"the opening", 1d, 12, 0, 0, {u"早会 已开启 | 12:00-12:05"}, 23 * 60 * 60},
    });
}

TEST_F(StatusBoardTest, AWarningDueBeforeTheStartIsNotSentNorAnythingWhileOff) {
    Write({u"[固定时间任务日程]", u"早会=09:00|每日", u"[程序设置]", u"活动开启时通知=1"});
    Start();
    Follow({{"five minutes ahead was half a minute ago", 1d, 8, 55, 30, {}, 4 * 60 + 30}});
    board->NotificationServiceAnswered(false);
    Follow({{"no service: nothing sent, nothing aimed at", 1d, 9, 0, 0, {}, std::nullopt}});
}

}  // namespace
