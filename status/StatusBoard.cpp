#include "status/StatusBoard.h"

#include <utility>

#include "store/ScheduleFileLayout.h"

StatusBoard::StatusBoard(ScheduleStore& schedule, Settings& settings,
                         const StartupProblems& startupProblems, ZoneContext zones)
    : schedule(schedule),
      settings(settings),
      untoldMessage(schedule.DescribeProblems(startupProblems)),
      zones(std::move(zones)) {
    settings.Listen(*this);
}

StatusBoard::~StatusBoard() {
    settings.StopListening(*this);
}

void StatusBoard::Reload() {
    if (const std::optional<ScheduleProblems> problems = schedule.Reload()) {
        if (std::u16string message = schedule.DescribeProblems({.schedule = *problems});
            !message.empty())
            untoldMessage = std::move(message);
    }
}

bool StatusBoard::ShowsAtOnce(ScheduleChange change) {
    return change != ScheduleChange::Saved;
}

StatusLook StatusBoard::Look(const LocalTime& now) {
    const std::vector<cTask>& allTasks = schedule.Tasks();
    const std::int16_t durationMinutes = schedule.DurationMinutes();
    StatusLook look{ComputeStatusTexts(allTasks, durationMinutes, now, zones),
                    {},
                    std::exchange(untoldMessage, {}),
                    std::nullopt};
    const NotificationPlan::Basis planned{allTasks, durationMinutes, settings.Values().warningLeads,
                                          zones};
    const LocalMoment moment = MomentOf(now);
    // The look right after notifications were turned on counts what came while they were off,
    // and sends nothing of it.
    const bool sending = notifying && !std::exchange(turnedOn, false);
    look.notifications = plan.Look(planned, look.texts.open, moment, sending);
    for (Notification& notification : look.notifications)
        notification.sound = settings.Values().warningSound;
    if (notifying) {
        if (const std::optional<LocalMoment> next = NotificationPlan::NextMoment(planned, moment))
            look.secondsToNextLook = static_cast<std::int32_t>((*next - moment).count());
    }
    return look;
}

void StatusBoard::NotificationServiceAnswered(bool available) {
    notifying = settings.Values().notifyOnOpening && available;
}

void StatusBoard::SettingChanged(std::u16string_view key) {
    if (key != kNotifyKey)
        return;
    const bool on = settings.Values().notifyOnOpening;
    turnedOn = on && !notifying;
    notifying = on;
}
