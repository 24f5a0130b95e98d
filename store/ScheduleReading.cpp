#include "store/ScheduleReading.h"

#include <optional>
#include <string>
#include <utility>

#include "store/ScheduleFileLayout.h"
#include "store/TaskLoader.h"
#include "store/ini/IniNames.h"
#include "store/ini/IniReaders.h"

namespace {

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

ScheduleProblems ReadActivities(std::vector<cTask>& tasks, const IniDocument& document) {
    ScheduleProblems problems;
    problems.skipped = LoadTasks(tasks, document);
    problems.unreadable = FindUnreadableEntries(tasks);
    return problems;
}

DurationSetting ReadDuration(const IniDocument& document) {
    return InterpretDuration(ReadIniValue(kDurationSection, kDurationKey, document));
}

StartupSchedule ReadStartupSchedule(const IniDocument& document) {
    StartupSchedule loaded;
    loaded.problems.schedule = ReadActivities(loaded.tasks, document);
    loaded.problems.duration = ReadDuration(document);
    loaded.durationMinutes = loaded.problems.duration.minutes;
    loaded.settings = ReadSettings(document, loaded.problems);
    return loaded;
}
