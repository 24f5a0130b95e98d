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
ProgramSettings ReadSettings(const IniDocument& document, const TimeZones* zones,
                             StartupProblems& problems) {
    std::optional<std::u16string> notify, leads, sound, position, zone, calendar;
    const std::pair<std::u16string_view, std::optional<std::u16string>*> keys[] = {
        {kNotifyKey, &notify},           {kWarningLeadsKey, &leads}, {kWarningSoundKey, &sound},
        {kWindowPositionKey, &position}, {kZoneKey, &zone},          {kCalendarFileKey, &calendar}};
    if (const IniSection* section = FindIniSection(document, kSettingsSection)) {
        for (const IniKey& setting : section->keys) {
            for (const auto& [key, value] : keys) {
                if (!*value && IniNamesEqual(setting.name, key))
                    *value = setting.value;
            }
        }
    }
    ProgramSettings settings;
    Outcome<bool, UnusableValue> notifying = InterpretSwitch(notify);
    Outcome<std::vector<int>, UnusableValue> warningLeads = InterpretWarningLeads(leads);
    Outcome<bool, UnusableValue> sounding = InterpretSwitch(sound);
    Outcome<std::u16string, UnusableValue> defaultZone = InterpretZone(zone, zones);
    Outcome<std::u16string, UnusableValue> calendarFile = InterpretCalendarFile(calendar);
    settings.notifyOnOpening = notifying.value;
    settings.warningLeads = std::move(warningLeads.value);
    settings.warningSound = sounding.value;
    settings.zone = std::move(defaultZone.value);
    settings.calendarFile = std::move(calendarFile.value);
    problems.unusableNotifyValue = std::move(notifying.problem);
    problems.unusableLeadsValue = std::move(warningLeads.problem);
    problems.unusableSoundValue = std::move(sounding.problem);
    problems.unusableZoneValue = std::move(defaultZone.problem);
    problems.unusableCalendarFileValue = std::move(calendarFile.problem);
    if (position)
        settings.windowPosition = ParseWindowPosition(*position);
    return settings;
}

}  // namespace

Outcome<std::vector<cTask>, ScheduleProblems> ReadActivities(const IniDocument& document,
                                                             const TimeZones* zones) {
    Outcome<std::vector<cTask>, std::vector<LoadProblem>> loaded = LoadTasks(document);
    ScheduleProblems problems{{},
                              std::move(loaded.problem),
                              FindUnreadableEntries(loaded.value),
                              FindUnusableOptions(loaded.value, zones)};
    return {std::move(loaded.value), std::move(problems)};
}

DurationSetting ReadDuration(const IniDocument& document) {
    return InterpretDuration(ReadIniValue(kDurationSection, kDurationKey, document));
}

std::u16string ReadDefaultZone(const IniDocument& document, const TimeZones* zones) {
    return InterpretZone(ReadIniValue(kSettingsSection, kZoneKey, document), zones).value;
}

std::vector<int> ReadWarningLeads(const IniDocument& document) {
    return InterpretWarningLeads(ReadIniValue(kSettingsSection, kWarningLeadsKey, document)).value;
}

Outcome<StartupSchedule, StartupProblems> ReadStartupSchedule(const IniDocument& document,
                                                              const TimeZones* zones) {
    Outcome<StartupSchedule, StartupProblems> loaded;
    Outcome<std::vector<cTask>, ScheduleProblems> activities = ReadActivities(document, zones);
    loaded.value.tasks = std::move(activities.value);
    loaded.problem.schedule = std::move(activities.problem);
    loaded.problem.duration = ReadDuration(document);
    loaded.value.durationMinutes = loaded.problem.duration.minutes;
    loaded.value.settings = ReadSettings(document, zones, loaded.problem);
    return loaded;
}
