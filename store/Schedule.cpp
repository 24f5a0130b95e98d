#include "store/Schedule.h"

#include <algorithm>
#include <utility>

Schedule::Schedule(ScheduleFile file) : file_(std::move(file)) {}

StartupLoad Schedule::LoadAtStartup() {
    StartupSchedule loaded = file_.LoadAtStartup();
    allTasks_ = std::move(loaded.tasks);
    durationMinutes_ = loaded.durationMinutes;
    toldProblems_ = loaded.problems.schedule;
    return {loaded.settings, file_.Report(loaded.problems)};
}

std::u16string Schedule::Reload() {
    ReloadedSchedule reloaded = file_.Reload();
    allTasks_ = std::move(reloaded.tasks);
    if (reloaded.problems == toldProblems_)
        return {};
    toldProblems_ = std::move(reloaded.problems);
    return file_.Report(StartupProblems{.schedule = toldProblems_});
}

std::vector<IniKeyValue> Schedule::Activities(ActivityKind kind, std::error_code& error) const {
    return file_.Activities(kind, error);
}

std::error_code Schedule::SaveActivity(ActivityKind kind, std::u16string_view name,
                                       std::u16string_view definition,
                                       std::optional<std::int16_t> durationMinutes) {
    const std::error_code error = file_.SaveActivity(kind, name, definition, durationMinutes);
    if (!error)
        Tell(ScheduleChange::Saved);
    return error;
}

std::error_code Schedule::AnswerDelete(ActivityKind kind, std::u16string_view name,
                                       bool confirmed) {
    const std::error_code error = confirmed ? file_.DeleteActivity(kind, name) : std::error_code();
    Tell(confirmed && !error ? ScheduleChange::Deleted : ScheduleChange::Kept);
    return error;
}

std::error_code Schedule::SaveSetting(std::u16string_view key, std::u16string_view value) const {
    return file_.SaveSetting(key, value);
}

std::u16string Schedule::DescribeFailure(std::error_code error, FileAccess access) const {
    return file_.DescribeFailure(error, access);
}

void Schedule::Listen(ScheduleListener& listener) {
    listeners_.push_back(&listener);
}

void Schedule::StopListening(ScheduleListener& listener) {
    std::erase(listeners_, &listener);
}

void Schedule::Tell(ScheduleChange change) {
    // A listener may stop listening while it hears of the change.
    const std::vector<ScheduleListener*> listeners = listeners_;
    for (ScheduleListener* listener : listeners) {
        if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end())
            listener->ScheduleChanged(change);
    }
}
