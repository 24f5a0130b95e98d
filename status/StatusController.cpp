#include "status/StatusController.h"

#include <utility>

#include "status/ScheduleCalendar.h"
#include "store/ScheduleFileLayout.h"

StatusController::StatusController(StatusBoard& board, Settings& settings, ScheduleStore& schedule,
                                   Clock clock, NotificationService& desktop)
    : board(board),
      settings(settings),
      schedule(schedule),
      clock(std::move(clock)),
      desktop(desktop) {}

void StatusController::Attach(StatusView& shown) {
    view = &shown;
    attachment = std::make_shared<const bool>(true);
    schedule.Listen(*this);
    EvaluateStatus();
    if (const std::optional<WindowPosition> kept = settings.Values().windowPosition)
        view->Place(*kept);
    KeepCalendar();
    // Notifications that were on stay on where the desktop can show them.
    if (settings.Values().notifyOnOpening) {
        AskService([this](bool available) {
            board.NotificationServiceAnswered(available);
            NotificationsTurned({});
        });
    }
}

void StatusController::Detach() {
    schedule.StopListening(*this);
    attachment.reset();
    view = nullptr;
}

void StatusController::刷新任务() {
    board.Reload();
    EvaluateStatus();
    KeepCalendar();
}

void StatusController::ScheduleChanged(ScheduleChange change) {
    if (StatusBoard::ShowsAtOnce(change))
        刷新任务();
    else
        KeepCalendar();
}

void StatusController::KeepCalendar() {
    const std::filesystem::path file = settings.Values().calendarFile;
    if (file.empty())
        return;
    const CalendarProblem problem = WriteScheduleCalendar(file, schedule, settings, board.Zones());
    if (problem && !std::exchange(calendarFailureTold, true))
        Inform(DescribeCalendarProblem(u"无法保存日历文件：", file, schedule, problem));
}

void StatusController::LookAgain() {
    EvaluateStatus();
}

void StatusController::EvaluateStatus() {
    StatusLook look = board.Look(clock());
    view->ShowTexts(look.texts.now, look.texts.soon);
    for (const Notification& notification : look.notifications)
        desktop.Show(notification);
    view->LookAgainIn(look.secondsToNextLook);
    Inform(look.message);
}

void StatusController::MenuOpens() {
    ShowTicks();
}

void StatusController::TurnNotifications(bool on) {
    if (!on) {
        NotificationsTurned(SaveMessage(kNotifyKey, settings.TurnNotifications(false)));
        return;
    }
    AskService([this](bool available) {
        NotificationsTurned(available ? SaveMessage(kNotifyKey, settings.TurnNotifications(true))
                                      : u"此桌面没有通知服务，无法显示活动开启通知。");
    });
}

void StatusController::AskService(std::function<void(bool available)> answered) {
    desktop.Start(
        [weak = std::weak_ptr(attachment), answered = std::move(answered)](bool available) {
            if (!weak.expired())
                answered(available);
        });
}

void StatusController::NotificationsTurned(const std::u16string& message) {
    if (!board.Notifying())
        desktop.Stop();
    ShowTicks();
    Inform(message);
    LookAgain();
}

void StatusController::ChooseWarningLeads(const std::vector<int>& leads) {
    Inform(SaveMessage(kWarningLeadsKey, settings.SetWarningLeads(leads)));
    ShowTicks();
    LookAgain();
}

void StatusController::TurnWarningSound(bool on) {
    Inform(SaveMessage(kWarningSoundKey, settings.SetWarningSound(on)));
    ShowTicks();
}

void StatusController::TurnLoginStart(bool on) {
    if (const std::error_code error = settings.TurnLoginStart(on)) {
        // The tick goes back to what the system still holds.
        ShowTicks();
        Inform(Settings::DescribeLoginStartError(on, error));
    }
}

void StatusController::KeepWindowPosition(WindowPosition position) {
    Inform(SaveMessage(kWindowPositionKey, settings.KeepWindowPosition(position)));
}

void StatusController::ExportCalendar(const std::filesystem::path& file) {
    if (const CalendarProblem problem =
            WriteScheduleCalendar(file, schedule, settings, board.Zones()))
        Inform(DescribeCalendarProblem(u"无法导出日历：", file, schedule, problem));
}

void StatusController::ChooseCalendarFile(std::u16string file) {
    const std::error_code error = settings.SetCalendarFile(std::move(file));
    ShowTicks();
    if (error) {
        Inform(SaveMessage(kCalendarFileKey, error));
        return;
    }
    calendarFailureTold = false;
    KeepCalendar();
}

void StatusController::ShowTicks() {
    const ProgramSettings& values = settings.Values();
    view->ShowTicks({board.Notifying(), values.warningLeads, values.warningSound,
                     settings.StartsAtLogin(), values.calendarFile});
}

std::u16string StatusController::SaveMessage(std::u16string_view key, std::error_code error) const {
    return error ? settings.DescribeSaveError(key, error) : std::u16string();
}

void StatusController::Inform(const std::u16string& message) {
    if (!message.empty())
        view->Inform(message);
}
