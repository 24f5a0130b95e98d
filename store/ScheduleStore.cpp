#include "store/ScheduleStore.h"

#include <algorithm>
#include <span>
#include <utility>

#include "platform/Files.h"
#include "schedule/NumberText.h"
#include "store/DefaultIni.h"
#include "store/ScheduleFileLayout.h"
#include "store/ScheduleReading.h"
#include "store/StartupReport.h"
#include "store/ini/IniDocument.h"
#include "store/ini/IniWriter.h"
#include "text/PathText.h"

namespace {

// The one read of the file at start-up.
StartupSchedule Load(const std::filesystem::path& file) {
    std::error_code error;
    const std::optional<IniDocument> document = ReadIniDocument(file, error);
    if (!document) {
        // Unreadable, or gone since it was written.
        StartupSchedule unread;
        unread.problems.schedule.file = {
            FileProblem::Kind::NotRead,
            error ? error : std::make_error_code(std::errc::no_such_file_or_directory)};
        return unread;
    }
    return ReadStartupSchedule(*document);
}

}  // namespace

ScheduleStore::ScheduleStore(IniLocation location, Clock clock)
    : location(std::move(location)), clock(std::move(clock)) {}

StartupLoad ScheduleStore::LoadAtStartup() {
    StartupSchedule loaded;
    if (const FileProblem problem = CreateWhenMissing())
        loaded.problems.schedule.file = problem;
    else
        loaded = Load(location.file);
    allTasks = std::move(loaded.tasks);
    durationMinutes = loaded.durationMinutes;
    toldProblems = loaded.problems.schedule;
    return {std::move(loaded.settings), Report(loaded.problems)};
}

FileProblem ScheduleStore::CreateWhenMissing() const {
    if (location.folderError)
        return {FileProblem::Kind::FolderNotCreated, location.folderError};
    RemoveAbandonedTemporaries(location.file);
    if (const std::error_code error = EnsureIniFile(location.file, clock))
        return {FileProblem::Kind::NotCreated, error};
    return {};
}

std::u16string ScheduleStore::Reload() {
    std::vector<cTask> tasks;
    ScheduleProblems problems;
    std::error_code error;
    const std::optional<IniDocument> document = ReadIniDocument(location.file, error);
    if (error)
        problems.file = {FileProblem::Kind::NotRead, error};
    else if (document)
        problems = ReadActivities(tasks, *document);
    allTasks = std::move(tasks);
    if (problems == toldProblems)
        return {};
    toldProblems = std::move(problems);
    return Report(StartupProblems{.schedule = toldProblems});
}

std::u16string ScheduleStore::Report(const StartupProblems& problems) const {
    return ComposeStartupReport(location.file, problems);
}

std::vector<IniKeyValue> ScheduleStore::Activities(ActivityKind kind,
                                                   std::error_code& error) const {
    return ReadIniKeys(SectionOf(kind), location.file, error);
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
                                           std::u16string_view value) const {
    return WriteIniValue(kSettingsSection, key, value, location.file);
}

std::u16string ScheduleStore::DescribeFailure(std::error_code error, FileAccess access) const {
    return PathText(location.file) + u"：" + DescribeFileError(error, access);
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
