#include "status/StatusBoard.h"

#include <utility>

#include "platform/LoginStart.h"
#include "store/FileErrorText.h"
#include "store/ScheduleFileLayout.h"

StatusBoard::StatusBoard(ScheduleStore& schedule, std::filesystem::path executable)
    : schedule(schedule), executable(std::move(executable)) {}

void StatusBoard::LoadAtStartup() {
    StartupLoad loaded = schedule.LoadAtStartup();
    settings = std::move(loaded.settings);
    untoldReport = std::move(loaded.report);
}

void StatusBoard::Reload() {
    if (std::u16string report = schedule.Reload(); !report.empty())
        untoldReport = std::move(report);
}

bool StatusBoard::ShowsAtOnce(ScheduleChange change) {
    return change != ScheduleChange::Saved;
}

StatusLook StatusBoard::Look(const LocalTime& now) {
    const std::vector<cTask>& allTasks = schedule.Tasks();
    const std::int16_t durationMinutes = schedule.DurationMinutes();
    StatusLook look{ComputeStatusTexts(allTasks, durationMinutes, now),
                    {},
                    std::exchange(untoldReport, {}),
                    std::nullopt};
    const NotificationPlan::Schedule planned{allTasks, durationMinutes, settings.warningLeads};
    const LocalMoment moment = MomentOf(now);
    // The look right after notifications were turned on counts what came while they were off,
    // and sends nothing of it.
    const bool sending = notifying && !std::exchange(turnedOn, false);
    look.notifications = plan.Look(planned, look.texts.open, moment, sending);
    for (Notification& notification : look.notifications)
        notification.sound = settings.warningSound;
    if (notifying) {
        if (const std::optional<LocalMoment> next = NotificationPlan::NextMoment(planned, moment))
            look.secondsToNextLook = static_cast<std::int32_t>((*next - moment).count());
    }
    return look;
}

void StatusBoard::NotificationServiceAnswered(bool available) {
    notifying = settings.notifyOnOpening && available;
}

std::u16string StatusBoard::TurnNotifications(bool on, bool serviceAvailable) {
    if (on && !serviceAvailable)
        return u"此桌面没有通知服务，无法显示活动开启通知。";
    std::u16string failure = SaveSetting(kNotifyKey, on ? u"1" : u"0", u"无法保存通知设置：");
    if (failure.empty()) {
        settings.notifyOnOpening = on;
        turnedOn = on && !notifying;
        notifying = on;
    }
    return failure;
}

std::u16string StatusBoard::SetWarningLeads(std::vector<int> leads) {
    std::u16string failure =
        SaveSetting(kWarningLeadsKey, FormatWarningLeads(leads), u"无法保存提前提醒设置：");
    if (failure.empty())
        settings.warningLeads = std::move(leads);
    return failure;
}

std::u16string StatusBoard::SetWarningSound(bool on) {
    std::u16string failure =
        SaveSetting(kWarningSoundKey, on ? u"1" : u"0", u"无法保存提醒声音设置：");
    if (failure.empty())
        settings.warningSound = on;
    return failure;
}

std::u16string StatusBoard::KeepWindowPosition(WindowPosition position) {
    if (settings.windowPosition == position)
        return {};
    std::u16string failure =
        SaveSetting(kWindowPositionKey, FormatWindowPosition(position), u"无法记住窗口位置：");
    if (failure.empty())
        settings.windowPosition = position;
    else if (std::exchange(positionFailureTold, true))
        failure.clear();
    return failure;
}

bool StatusBoard::StartsAtLogin() const {
    return ::StartsAtLogin(executable);
}

std::u16string StatusBoard::TurnLoginStart(bool on) {
    const std::error_code error = SetStartAtLogin(executable, on);
    if (!error)
        return {};
    return (on ? u"无法设置登录时启动。\n原因：" : u"无法取消登录时启动。\n原因：") +
           DescribeFileError(error, FileAccess::Write) + u"。";
}

std::u16string StatusBoard::SaveSetting(std::u16string_view key, std::u16string_view value,
                                        std::u16string_view failure) {
    const std::error_code error = schedule.SaveSetting(key, value);
    if (!error)
        return {};
    return std::u16string(failure) + schedule.DescribeFailure(error, FileAccess::Write);
}
