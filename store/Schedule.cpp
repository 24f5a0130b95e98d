#include "store/Schedule.h"

#include <algorithm>
#include <utility>

Schedule::Schedule(ScheduleFile file) : file(std::move(file)) {}

StartupLoad Schedule::LoadAtStartup() {
    StartupSchedule loaded = file.LoadAtStartup();
    allTasks = std::move(loaded.tasks);
    durationMinutes = loaded.durationMinutes;
    toldProblems = loaded.problems.schedule;
    return {loaded.settings, file.Report(loaded.problems)};
}

std::u16string Schedule::Reload() {
    ReloadedSchedule reloaded = file.Reload();
    allTasks = std::move(reloaded.tasks);
    if (reloaded.problems == toldProblems)
        return {};
    toldProblems = std::move(reloaded.problems);
    return file.Report(StartupProblems{.schedule = toldProblems});
}

std::vector<IniKeyValue> Schedule::Activities(ActivityKind kind, std::error_code& error) const {
    return file.Activities(kind, error);
}

std::error_code Schedule::SaveActivity(ActivityKind kind, std::u16string_view name,
                                       std::u16string_view definition,
                                       std::optional<std::int16_t> newDuration) {
    const std::error_code error = file.SaveActivity(kind, name, definition, newDuration);
    if (!error)
        Tell(ScheduleChange::Saved);
    return error;
}

std::error_code Schedule::AnswerDelete(ActivityKind kind, std::u16string_view name,
                                       bool confirmed) {
    const std::error_code error = confirmed ? file.DeleteActivity(kind, name) : std::error_code();
    Tell(confirmed && !error ? ScheduleChange::Deleted : ScheduleChange::Kept);
    return error;
}

std::error_code Schedule::SaveSetting(std::u16string_view key, std::u16string_view value) const {
    return file.SaveSetting(key, value);
}

std::u16string Schedule::DescribeFailure(std::error_code error, FileAccess access) const {
    return file.DescribeFailure(error, access);
}

void Schedule::Listen(ScheduleListener& listener) {
    listeners.push_back(&listener);
}

void Schedule::StopListening(ScheduleListener& listener) {
    std::erase(listeners, &listener);
}

void Schedule::Tell(ScheduleChange change) {
    // A listener may stop listening while it hears of the change.
    const std::vector<ScheduleListener*> toTell = listeners;
    for (ScheduleListener* listener : toTell) {
        if (std::find(listeners.begin(), listeners.end(), listener) != listeners.end())
            listener->ScheduleChanged(change);
    }
}
