#include "store/ScheduleProblems.h"

#include <utility>

#include "schedule/ActivityEntries.h"
#include "schedule/ActivityValue.h"
#include "schedule/ActivityZone.h"
#include "store/ScheduleFileLayout.h"

std::vector<UnreadableEntry> FindUnreadableEntries(const std::vector<cTask>& tasks) {
    std::vector<UnreadableEntry> found;
    for (const cTask& task : tasks) {
        const std::u16string_view section = SectionOf(task.任务类型);
        for (EntryProblem& problem : FindEntryProblems(task)) {
            found.push_back(UnreadableEntry{std::u16string(section), task.任务名,
                                            std::move(problem.entryText), problem.error});
        }
    }
    return found;
}

std::vector<UnusableOption> FindUnusableOptions(const std::vector<cTask>& tasks,
                                                const TimeZones* zones) {
    std::vector<UnusableOption> found;
    for (const cTask& task : tasks) {
        if (task.options.empty())
            continue;
        ParsedOptions parsed = ParseActivityOptions(task.options);
        if (std::optional<OptionProblem> zone = CheckZone(parsed.options, zones))
            parsed.problems.push_back(*std::move(zone));
        const std::u16string_view section = SectionOf(task.任务类型);
        for (OptionProblem& problem : parsed.problems) {
            found.push_back(
                UnusableOption{std::u16string(section), task.任务名, std::move(problem)});
        }
    }
    return found;
}

std::vector<UnusableSetting> UnusableSettings(const StartupProblems& problems) {
    const std::pair<std::u16string_view, const UnusableValue*> settings[] = {
        {kNotifyKey, &problems.unusableNotifyValue},
        {kWarningLeadsKey, &problems.unusableLeadsValue},
        {kWarningSoundKey, &problems.unusableSoundValue},
        {kZoneKey, &problems.unusableZoneValue},
        {kCalendarFileKey, &problems.unusableCalendarFileValue}};
    std::vector<UnusableSetting> unusable;
    for (const auto& [key, value] : settings) {
        if (*value)
            unusable.push_back({key, **value});
    }
    return unusable;
}
