// The status controller between the board, the desktop's notification service and the window:
// turning notifications on asks the service, whose answer comes later, the calendar file that
// follows the schedule, and what the window and the desktop are told step by step.

#include "status/StatusController.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "schedule/NumberText.h"
#include "store/ScheduleFileLayout.h"
#include "tests/status/RecordingDesktop.h"
#include "tests/status/StatusProgram.h"
#include "tests/store/StoreTestFiles.h"
#include "text/Cp936.h"

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::u16string>;

// Records what the window is told besides the lists: "ticks: on" or "ticks: off" for the tick of
// notifications, "inform <message>" up to the message's first "：" (a path and a reason follow
// it), "look in <seconds>" or "look at the minute"; and the list of what is open now.
class RecordingView final : public StatusView {
  public:
    void ShowTexts(const std::u16string& shownNow, const std::u16string&) override {
        now = shownNow;
    }
    void ShowTicks(const StatusTicks& ticks) override {
        told.push_back(ticks.notifying ? u"ticks: on" : u"ticks: off");
    }
    void Inform(const std::u16string& message) override {
        const std::size_t colon = message.find(u'：');
        told.push_back(u"inform " + message.substr(0, colon == message.npos ? colon : colon + 1));
    }
    void Place(WindowPosition) override { told.push_back(u"place"); }
    void LookAgainIn(std::optional<std::int32_t> seconds) override {
        told.push_back(seconds ? u"look in " + DecimalText(*seconds) : u"look at the minute");
    }

    Lines told;
    std::u16string now;
};

enum class Act {
    Start,           // the program starts at the time, its window attached; a window before goes
    TurnOn,          // the menu turns notifications on
    TurnOff,         // or off
    Yes,             // the service answers that it is there
    No,              // or not
    Look,            // the window's timer fires at the time
    BreakFile,       // GM.ini can no longer be written: a folder stands in its place
    Leave,           // the window goes
    Save,            // the editor saves an activity
    Delete,          // the editor deletes one
    Refresh,         // 刷新任务
    BreakCalendar,   // the calendar file can no longer be written: a folder stands in its place
    ChooseCalendar,  // the menu chooses calendar.ics of the scratch folder as the calendar file
};

// What happens, at hour:minute of Monday 1 January 2024 for a start or a look.
struct Happening {
    Act act;
    int hour = 0, minute = 0;
};

// One step: what happens, then what the desktop and the window were told, in order, and, where
// given, the value of notifications in GM.ini ("" for none), the list of what is open now and
// whether the step wrote the calendar file anew.
struct Step {
    const char* what;
    Happening happens;
    Lines desktop;
    Lines window;
    std::optional<std::u16string> stored = std::nullopt;
    std::optional<std::u16string> now = std::nullopt;
    std::optional<bool> calendarWritten = std::nullopt;
};

class StatusControllerTest : public testing::Test {
  protected:
    void Run(const std::vector<Step>& steps) {
        for (const Step& step : steps) {
            if (step.calendarWritten)
                std::filesystem::remove(calendar);
            Do(step.happens);
            EXPECT_EQ(std::exchange(desktop.told, {}), step.desktop) << step.what;
            EXPECT_EQ(std::exchange(view.told, {}), step.window) << step.what;
            if (step.stored) {
                std::error_code error;
                EXPECT_EQ(ReadValue(ini, kSettingsSection, kNotifyKey, error).value_or(u""),
                          *step.stored)
                    << step.what;
            }
            if (step.now) {
                EXPECT_EQ(view.now, *step.now) << step.what;
            }
            if (step.calendarWritten) {
                EXPECT_EQ(ReadBytes(calendar).starts_with("BEGIN:VCALENDAR\r\n"),
                          *step.calendarWritten)
                    << step.what;
            }
        }
    }

    void Do(const Happening& step) {
        switch (step.act) {
            case Act::Start:
                if (program)
                    program->controller.Detach();
                now = {2024y / 1 / 1, step.hour, step.minute, 0};
                program = std::make_unique<StatusProgram>(
                    ini, folder / "quillot", [this] { return now; }, desktop);
                program->controller.Attach(view);
                break;
            case Act::TurnOn:
            case Act::TurnOff:
                program->controller.TurnNotifications(step.act == Act::TurnOn);
                break;
            case Act::Yes:
            case Act::No:
                desktop.Answer(step.act == Act::Yes);
                break;
            case Act::Look:
                now = {2024y / 1 / 1, step.hour, step.minute, 0};
                program->controller.LookAgain();
                break;
            case Act::BreakFile:
                std::filesystem::remove(ini);
                std::filesystem::create_directory(ini);
                break;
            case Act::Leave:
                program->controller.Detach();
                break;
            case Act::Save:
                program->schedule.SaveActivity(ActivityKind::FixedTimes, u"晚会", u"20:00|每日",
                                               std::nullopt);
                break;
            case Act::Delete:
                program->schedule.DeleteActivity(ActivityKind::FixedTimes, u"晚会");
                break;
            case Act::Refresh:
                program->controller.刷新任务();
                break;
            case Act::BreakCalendar:
                std::filesystem::remove(calendar);
                std::filesystem::create_directory(calendar);
                break;
            case Act::ChooseCalendar:
                program->controller.ChooseCalendarFile((folder / "calendar.ics").u16string());
                break;
        }
    }

    TempFolder folder;
    std::filesystem::path ini = folder / "GM.ini";
    std::filesystem::path calendar = folder / u"日历.ics";
    LocalTime now;
    RecordingDesktop desktop;
    RecordingView view;
    std::unique_ptr<StatusProgram> program;
};

using enum Act;

// Notifications are on only once the service has answered that it is there, are kept in GM.ini,
// and tell each warning and opening on time; on again at the next start, they ask the service
// again. A setting that cannot be written, a missing service and a window gone before the answer
// leave them off.
TEST_F(StatusControllerTest, NotificationsAskTheServiceAndAreKeptOnlyOnceItAnswers) {
    WriteTestFile(ini, EncodeCp936(u"[固定时间任务日程]\r\n早会=11:50|每日\r\n"
                                   u"[范围时间任务日程]\r\n午餐=11:50-12:30|每日\r\n"
                                   u"[持续时间设置]\r\n持续时间=5\r\n"));
    const std::u16string noService = u"inform 此桌面没有通知服务，无法显示活动开启通知。";
    Run({
        {"start: off, nothing asked", {Start, 11, 40}, {}, {u"look at the minute"}, u""},
        {"turned on: the service is asked", {TurnOn}, {u"start"}, {}, u""},
        {"no service: off again, with a message",
         {No},
         {u"stop"},
         {u"ticks: off", noService, u"look at the minute"},
         u""},
        {"turned on again", {TurnOn}, {u"start"}, {}},
        {"the service is there: kept, aimed at the warning at 11:45:00",
         {Yes},
         {},
         {u"ticks: on", u"look in 300"},
         u"1"},
        {"the warnings",
         {Look, 11, 45},
         {u"show 早会 5 分钟后开启 | 11:50开启", u"show 午餐 5 分钟后开启 | 11:50-12:30"},
         {u"look in 300"}},
        {"the openings, as the lists show them; next, tomorrow's warning",
         {Look, 11, 50},
         {u"show 早会 已开启 | 11:50-11:55", u"show 午餐 已开启 | 11:50-12:30"},
         {u"look in 86100"},
         std::nullopt,
         u"*当前可参与*\r\n1. 早会 11:50-11:55\r\n2. 午餐 11:50-12:30"},
        {"the next start asks the service", {Start, 11, 51}, {u"start"}, {u"look at the minute"}},
        {"on, and what was open at the start is not told",
         {Yes},
         {},
         {u"ticks: on", u"look in 86040"}},
        {"turned off", {TurnOff}, {u"stop"}, {u"ticks: off", u"look at the minute"}, u"0"},
        {"GM.ini becomes unwritable", {BreakFile}, {}, {}},
        {"turned on", {TurnOn}, {u"start"}, {}},
        {"the service is there, the setting cannot be kept: off",
         {Yes},
         {u"stop"},
         {u"ticks: off", u"inform 无法保存通知设置：", u"look at the minute"}},
        {"turned on", {TurnOn}, {u"start"}, {}},
        {"the window goes", {Leave}, {}, {}},
        {"an answer after it is dropped", {Yes}, {}, {}},
    });
}

// The calendar file set in GM.ini is written at the start and after every change of the schedule,
// whether the window shows the change at once or not. Its failure is told once, and again only
// for a file chosen anew.
TEST_F(StatusControllerTest, TheCalendarFileFollowsTheScheduleAndItsFailureIsToldOnce) {
    WriteTestFile(
        ini,
        EncodeCp936(u"[固定时间任务日程]\r\n早会=11:50|每日\r\n[持续时间设置]\r\n持续时间=5\r\n"
                    u"[程序设置]\r\n日历文件=" +
                    calendar.u16string() + u"\r\n"));
    const Lines look = {u"look at the minute"};
    Run({
        {"start", {Start, 11, 40}, {}, look, std::nullopt, std::nullopt, true},
        {"a save, shown later", {Save}, {}, {}, std::nullopt, std::nullopt, true},
        {"a delete, shown at once", {Delete}, {}, look, std::nullopt, std::nullopt, true},
        {"刷新任务", {Refresh}, {}, look, std::nullopt, std::nullopt, true},
        {"the calendar file becomes unwritable", {BreakCalendar}, {}, {}},
        {"a save: told", {Save}, {}, {u"inform 无法保存日历文件："}},
        {"刷新任务: not told again", {Refresh}, {}, look},
        {"the next start: told", {Start, 11, 41}, {}, {look[0], u"inform 无法保存日历文件："}},
        {"another file chosen: written", {ChooseCalendar}, {}, {u"ticks: off"}},
    });
    EXPECT_TRUE(ReadBytes(folder / "calendar.ics").starts_with("BEGIN:VCALENDAR\r\n"));
    std::error_code error;
    EXPECT_EQ(ReadValue(ini, kSettingsSection, kCalendarFileKey, error),
              (folder / "calendar.ics").u16string());
}

}  // namespace
