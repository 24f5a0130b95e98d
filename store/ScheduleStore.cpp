#include "store/ScheduleStore.h"

#include <algorithm>
#include <span>
#include <utility>

#include "platform/Files.h"
#include "schedule/NumberText.h"
#include "store/DefaultIni.h"
#include "store/ScheduleFileLayout.h"
#include "store/ScheduleReading.h"
#include "store/StartupMessage.h"
#include "store/ini/IniDocument.h"
#include "store/ini/IniWriter.h"
#include "text/PathText.h"

namespace {

// The one read of the file at start-up.
Outcome<StartupSchedule, StartupProblems> Load(const std::filesystem::path& file,
                                               const TimeZones* zones) {
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(file);
    if (!read.value) {
        // Unreadable, or gone since it was written.
        Outcome<StartupSchedule, StartupProblems> unread;
        unread.problem.schedule.file = {
            FileProblem::Kind::NotRead,
            read.problem ? read.problem
                         : std::make_error_code(std::errc::no_such_file_or_directory)};
        return unread;
    }
    return ReadStartupSchedule(*read.value, zones);
}

}  // namespace

ScheduleStore::ScheduleStore(IniLocation location, Clock clock, const TimeZones* zones)
    : location(std::move(location)), clock(std::move(clock)), zones(zones) {}

Outcome<ProgramSettings, StartupProblems> ScheduleStore::LoadAtStartup() {
    Outcome<StartupSchedule, StartupProblems> loaded;
    if (const FileProblem problem = CreateWhenMissing())
        loaded.problem.schedule.file = problem;
    else
        loaded = Load(location.file, zones);
    allTasks = std::move(loaded.value.tasks);
    durationMinutes = loaded.value.durationMinutes;
    returnedProblems = loaded.problem.schedule;
    return {std::move(loaded.value.settings), std::move(loaded.problem)};
}

FileProblem ScheduleStore::CreateWhenMissing() const {
    if (location.folderError)
        return {FileProblem::Kind::FolderNotCreated, location.folderError};
    RemoveAbandonedTemporaries(location.file);
    if (const std::error_code error = EnsureIniFile(location.file, clock))
        return {FileProblem::Kind::NotCreated, error};
    return {};
}

std::optional<ScheduleProblems> ScheduleStore::Reload() {
    Outcome<std::vector<cTask>, ScheduleProblems> activities;
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(location.file);
    if (read.problem)
        activities.problem.file = {FileProblem::Kind::NotRead, read.problem};
    else if (read.value)
        activities = ReadActivities(*read.value, zones);
    allTasks = std::move(activities.value);
    if (activities.problem == returnedProblems)
        return std::nullopt;
    returnedProblems = activities.problem;
    return std::move(activities.problem);
}

Outcome<std::vector<cTask>> ScheduleStore::CurrentTasks() const {
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(location.file);
    if (!read.value) {
        return {{},
                read.problem ? read.problem
                             : std::make_error_code(std::errc::no_such_file_or_directory)};
    }
    return {ReadActivities(*read.value, zones).value, {}};
}

std::u16string ScheduleStore::DescribeProblems(const StartupProblems& problems) const {
    return DescribeStartupProblems(location.file, problems);
}

Outcome<std::vector<IniKeyValue>> ScheduleStore::Activities(ActivityKind kind) const {
    return ReadIniKeys(SectionOf(kind), location.file);
}

std::error_code ScheduleStore::SaveActivity(ActivityKind kind, std::u16string_view name,
                                            std::u16string_view definition,
                                            std::optional<std::int16_t> newDuration) {
    const std::u16string duration = newDuration ? DecimalText(*newDuration) : u"";
    const IniChange changes[] = {{SectionOf(kind), name, definition},
                                 {kDurationSection, kDurationKey, duration}};
    const std::error_code error =
        WriteIniValues(std::span(changes, newDuration ? 2 : 1), location.file);
    if (!error)
        Tell(ScheduleChange::Saved);
    return error;
}

std::error_code ScheduleStore::DeleteActivity(ActivityKind kind, std::u16string_view name) {
    const std::error_code error = WriteIniValue(SectionOf(kind), name, std::nullopt, location.file);
    if (!error)
        Tell(ScheduleChange::Deleted);
    return error;
}

std::error_code ScheduleStore::SaveSetting(std::u16string_view key,
                                           std::optional<std::u16string_view> value) const {
    return WriteIniValue(kSettingsSection, key, value, location.file);
}

std::u16string ScheduleStore::DescribeFileError(std::error_code error, FileAccess access) const {
    return PathText(location.file) + u"：" + ::DescribeFileError(error, access);
}

void ScheduleStore::Listen(ScheduleListener& listener) {
    listeners.push_back(&listener);
}

void ScheduleStore::StopListening(ScheduleListener& listener) {
    std::erase(listeners, &listener);
}

void ScheduleStore::Tell(ScheduleChange change) {
    // A listener may stop listening while it hears of the change.
    const std::vector<ScheduleListener*> toTell = listeners;
    for (ScheduleListener* listener : toTell) {
        if (std::find(listeners.begin(), listeners.end(), listener) != listeners.end())
            listener->ScheduleChanged(change);
    }
}
