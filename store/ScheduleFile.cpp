#include "store/ScheduleFile.h"

#include <string>
#include <utility>

#include "platform/AbandonedTemporaries.h"
#include "platform/PathText.h"
#include "store/DefaultIni.h"
#include "store/IniNames.h"
#include "store/IniWriter.h"
#include "store/ScheduleKeys.h"
#include "store/StartupReport.h"

ScheduleFile::ScheduleFile(IniLocation location, Clock clock)
    : location_(std::move(location)), clock_(std::move(clock)) {}

std::u16string ScheduleFile::DescribeFailure(std::error_code error, FileAccess access) const {
    return PathText(location_.file) + u"：" + DescribeFileError(error, access);
}

std::u16string ScheduleFile::Report(const StartupProblems& problems) const {
    return ComposeStartupReport(location_.file, problems);
}

StartupSchedule ScheduleFile::LoadAtStartup() const {
    StartupSchedule loaded;
    ScheduleProblems& problems = loaded.problems.schedule;
    if (location_.folderError) {
        problems.file = {FileProblem::Kind::FolderNotCreated, location_.folderError};
        return loaded;
    }
    RemoveAbandonedTemporaries(location_.file);
    if (const std::error_code error = EnsureIniFile(location_.file, clock_)) {
        problems.file = {FileProblem::Kind::NotCreated, error};
        return loaded;
    }
    problems = LoadTasksInto(loaded.tasks);
    if (problems.file)
        return loaded;
    std::error_code error;
    const std::optional<std::u16string> duration =
        ReadIniValue(kDurationSection, kDurationKey, location_.file, clock_, error);
    if (error) {
        // The file went away after the load and could not be written again, or cannot be read.
        problems.file = {FileProblem::Kind::NotRead, error};
        return loaded;
    }
    loaded.problems.duration = InterpretDuration(duration);
    loaded.durationMinutes = loaded.problems.duration.minutes;
    // The settings' section in one read. A key written twice carries its first value each time,
    // as a look-up by name finds it.
    std::optional<std::u16string> notify, leads, sound, position;
    const std::pair<std::u16string_view, std::optional<std::u16string>*> keys[] = {
        {kNotifyKey, &notify},
        {kWarningLeadsKey, &leads},
        {kWarningSoundKey, &sound},
        {kWindowPositionKey, &position}};
    for (const IniKeyValue& setting : ReadIniKeys(kSettingsSection, location_.file, error)) {
        for (const auto& [key, value] : keys) {
            if (!*value && IniNamesEqual(setting.name, key))
                *value = setting.value;
        }
    }
    if (error) {
        problems.file = {FileProblem::Kind::NotRead, error};
        return loaded;
    }
    ProgramSettings& settings = loaded.settings;
    settings.notifyOnOpening = InterpretSwitch(notify, loaded.problems.unusableNotifyValue);
    settings.warningLeads = InterpretWarningLeads(leads, loaded.problems.unusableLeadsValue);
    settings.warningSound = InterpretSwitch(sound, loaded.problems.unusableSoundValue);
    if (position)
        settings.windowPosition = ParseWindowPosition(*position);
    return loaded;
}

ReloadedSchedule ScheduleFile::Reload() const {
    ReloadedSchedule reloaded;
    reloaded.problems = LoadTasksInto(reloaded.tasks);
    return reloaded;
}

ScheduleProblems ScheduleFile::LoadTasksInto(std::vector<cTask>& tasks) const {
    ScheduleProblems problems;
    std::error_code error;
    problems.skipped = LoadTasks(tasks, location_.file, error);
    if (error) {
        problems.file = {FileProblem::Kind::NotRead, error};
        return problems;
    }
    problems.unreadable = FindUnreadableEntries(tasks);
    return problems;
}

std::vector<IniKeyValue> ScheduleFile::Activities(ActivityKind kind, std::error_code& error) const {
    return ReadIniKeys(SectionOf(kind), location_.file, error);
}

std::error_code ScheduleFile::SaveActivity(ActivityKind kind, std::u16string_view name,
                                           std::u16string_view definition) const {
    return WriteIniValue(SectionOf(kind), name, definition, location_.file);
}

std::error_code ScheduleFile::SaveDuration(std::int16_t minutes) const {
    const std::string digits = std::to_string(minutes);
    return WriteIniValue(kDurationSection, kDurationKey,
                         std::u16string(digits.begin(), digits.end()), location_.file);
}

std::error_code ScheduleFile::SaveSetting(std::u16string_view key,
                                          std::u16string_view value) const {
    return WriteIniValue(kSettingsSection, key, value, location_.file);
}

std::error_code ScheduleFile::DeleteActivity(ActivityKind kind, std::u16string_view name) const {
    return WriteIniValue(SectionOf(kind), name, std::nullopt, location_.file);
}
