#include "status/StatusBoard.h"

#include <utility>

StatusBoard::StatusBoard(const ScheduleFile& schedule) : schedule_(schedule) {}

void StatusBoard::LoadAtStartup() {
    StartupSchedule loaded = schedule_.LoadAtStartup();
    allTasks_ = std::move(loaded.tasks);
    durationMinutes_ = loaded.durationMinutes;
    settings_ = loaded.settings;
    untoldReport_ = schedule_.Report(loaded.problems);
    toldProblems_ = std::move(loaded.problems.schedule);
}

void StatusBoard::Reload() {
    ReloadedSchedule reloaded = schedule_.Reload();
    allTasks_ = std::move(reloaded.tasks);
    if (reloaded.problems == toldProblems_)
        return;
    toldProblems_ = std::move(reloaded.problems);
    untoldReport_ = schedule_.Report(StartupProblems{toldProblems_, {}, {}, {}, {}});
}

StatusLook StatusBoard::Look(const LocalTime& now) {
    StatusLook look{ComputeStatusTexts(allTasks_, durationMinutes_, now),
                    {},
                    std::exchange(untoldReport_, {}),
                    std::nullopt};
    const NotificationPlan::Schedule schedule{allTasks_, durationMinutes_, settings_.warningLeads};
    const LocalMoment moment = MomentOf(now);
    // The look right after notifications were turned on counts what came while they were off,
    // and sends nothing of it.
    const bool sending = notifying_ && !std::exchange(turnedOn_, false);
    look.notifications = plan_.Look(schedule, look.texts.open, moment, sending);
    for (Notification& notification : look.notifications)
        notification.sound = settings_.warningSound;
    if (notifying_) {
        if (const std::optional<LocalMoment> next = NotificationPlan::NextMoment(schedule, moment))
            look.secondsToNextLook = static_cast<std::int32_t>((*next - moment).count());
    }
    return look;
}

void StatusBoard::NotificationServiceAnswered(bool available) {
    notifying_ = settings_.notifyOnOpening && available;
}

std::u16string StatusBoard::TurnNotifications(bool on, bool serviceAvailable) {
    if (on && !serviceAvailable)
        return u"此桌面没有通知服务，无法显示活动开启通知。";
    std::u16string failure = SaveSetting(kNotifyKey, on ? u"1" : u"0", u"无法保存通知设置：");
    if (failure.empty()) {
        settings_.notifyOnOpening = on;
        turnedOn_ = on && !notifying_;
        notifying_ = on;
    }
    return failure;
}

std::u16string StatusBoard::SetWarningLeads(std::vector<int> leads) {
    std::u16string failure =
        SaveSetting(kWarningLeadsKey, FormatWarningLeads(leads), u"无法保存提前提醒设置：");
    if (failure.empty())
        settings_.warningLeads = std::move(leads);
    return failure;
}

std::u16string StatusBoard::SetWarningSound(bool on) {
    std::u16string failure =
        SaveSetting(kWarningSoundKey, on ? u"1" : u"0", u"无法保存提醒声音设置：");
    if (failure.empty())
        settings_.warningSound = on;
    return failure;
}

std::u16string StatusBoard::KeepWindowPosition(WindowPosition position) {
    if (settings_.windowPosition == position)
        return {};
    std::u16string failure =
        SaveSetting(kWindowPositionKey, FormatWindowPosition(position), u"无法记住窗口位置：");
    if (failure.empty())
        settings_.windowPosition = position;
    else if (std::exchange(positionFailureTold_, true))
        failure.clear();
    return failure;
}

std::u16string StatusBoard::SaveSetting(std::u16string_view key, std::u16string_view value,
                                        std::u16string_view failure) {
    const std::error_code error = schedule_.SaveSetting(key, value);
    if (!error)
        return {};
    return std::u16string(failure) + schedule_.DescribeFailure(error, FileAccess::Write);
}
