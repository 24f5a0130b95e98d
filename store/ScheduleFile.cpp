#include "store/ScheduleFile.h"

#include <string>
#include <utility>

#include "platform/Files.h"
#include "schedule/NumberText.h"
#include "store/DefaultIni.h"
#include "store/ScheduleFileLayout.h"
#include "store/StartupReport.h"
#include "store/TaskLoader.h"
#include "store/ini/IniNames.h"
#include "store/ini/IniWriter.h"
#include "text/PathText.h"

namespace {

ScheduleProblems LoadTasksInto(std::vector<cTask>& tasks, const IniDocument& document) {
    ScheduleProblems problems;
    problems.skipped = LoadTasks(tasks, document);
    problems.unreadable = FindUnreadableEntries(tasks);
    return problems;
}

// The settings' section. A key written twice carries its first value each time, as a look-up by
// name finds it.
ProgramSettings ReadSettings(const IniDocument& document, StartupProblems& problems) {
    std::optional<std::u16string> notify, leads, sound, position;
    const std::pair<std::u16string_view, std::optional<std::u16string>*> keys[] = {
        {kNotifyKey, &notify},
        {kWarningLeadsKey, &leads},
        {kWarningSoundKey, &sound},
        {kWindowPositionKey, &position}};
    if (const IniSection* section = FindIniSection(document, kSettingsSection)) {
        for (const IniEntry& setting : section->entries) {
            for (const auto& [key, value] : keys) {
                if (!*value && IniNamesEqual(setting.name, key))
                    *value = setting.value;
            }
        }
    }
    ProgramSettings settings;
    settings.notifyOnOpening = InterpretSwitch(notify, problems.unusableNotifyValue);
    settings.warningLeads = InterpretWarningLeads(leads, problems.unusableLeadsValue);
    settings.warningSound = InterpretSwitch(sound, problems.unusableSoundValue);
    if (position)
        settings.windowPosition = ParseWindowPosition(*position);
    return settings;
}

}  // namespace

DurationSetting ReadDuration(const IniDocument& document) {
    return InterpretDuration(ReadIniValue(kDurationSection, kDurationKey, document));
}

StartupSchedule ReadStartupSchedule(const IniDocument& document) {
    StartupSchedule loaded;
    loaded.problems.schedule = LoadTasksInto(loaded.tasks, document);
    loaded.problems.duration = ReadDuration(document);
    loaded.durationMinutes = loaded.problems.duration.minutes;
    loaded.settings = ReadSettings(document, loaded.problems);
    return loaded;
}

ScheduleFile::ScheduleFile(IniLocation location, Clock clock)
    : location(std::move(location)), clock(std::move(clock)) {}

std::u16string ScheduleFile::DescribeFailure(std::error_code error, FileAccess access) const {
    return PathText(location.file) + u"：" + DescribeFileError(error, access);
}

std::u16string ScheduleFile::Report(const StartupProblems& problems) const {
    return ComposeStartupReport(location.file, problems);
}

StartupSchedule ScheduleFile::LoadAtStartup() const {
    if (const FileProblem problem = CreateWhenMissing()) {
        StartupSchedule unread;
        unread.problems.schedule.file = problem;
        return unread;
    }
    return Load();
}

FileProblem ScheduleFile::CreateWhenMissing() const {
    if (location.folderError)
        return {FileProblem::Kind::FolderNotCreated, location.folderError};
    RemoveAbandonedTemporaries(location.file);
    if (const std::error_code error = EnsureIniFile(location.file, clock))
        return {FileProblem::Kind::NotCreated, error};
    return {};
}

StartupSchedule ScheduleFile::Load() const {
    std::error_code error;
    const std::optional<IniDocument> document = ReadIniDocument(location.file, error);
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

ReloadedSchedule ScheduleFile::Reload() const {
    ReloadedSchedule reloaded;
    std::error_code error;
    const std::optional<IniDocument> document = ReadIniDocument(location.file, error);
    if (error)
        reloaded.problems.file = {FileProblem::Kind::NotRead, error};
    else if (document)
        reloaded.problems = LoadTasksInto(reloaded.tasks, *document);
    return reloaded;
}

std::vector<IniKeyValue> ScheduleFile::Activities(ActivityKind kind, std::error_code& error) const {
    return ReadIniKeys(SectionOf(kind), location.file, error);
}

std::error_code ScheduleFile::SaveActivity(ActivityKind kind, std::u16string_view name,
                                           std::u16string_view definition,
                                           std::optional<std::int16_t> durationMinutes) const {
    const std::u16string duration = durationMinutes ? DecimalText(*durationMinutes) : u"";
    const IniChange changes[] = {{SectionOf(kind), name, definition},
                                 {kDurationSection, kDurationKey, duration}};
    return WriteIniValues(std::span(changes, durationMinutes ? 2 : 1), location.file);
}

std::error_code ScheduleFile::SaveSetting(std::u16string_view key,
                                          std::u16string_view value) const {
    return WriteIniValue(kSettingsSection, key, value, location.file);
}

std::error_code ScheduleFile::DeleteActivity(ActivityKind kind, std::u16string_view name) const {
    return WriteIniValue(SectionOf(kind), name, std::nullopt, location.file);
}
