#include "cli/ScheduleCheck.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "schedule/NumberText.h"
#include "store/ScheduleFileLayout.h"
#include "store/ScheduleReading.h"
#include "store/StartupMessage.h"
#include "store/ini/IniNames.h"
#include "text/PathText.h"

namespace {

// The line of the key of that name in the first section of that name, as the start-up reads them;
// occurrence counts the key lines of the same name, 0 the first. 0 when there is none.
std::size_t KeyLine(const IniDocument& document, std::u16string_view section,
                    std::u16string_view key, std::size_t occurrence = 0) {
    const IniSection* found = FindIniSection(document, section);
    if (found == nullptr)
        return 0;
    const std::vector<const IniKey*> keys = FindIniKeys(*found, key);
    return occurrence < keys.size() ? IniLineNumber(keys[occurrence]->line) : 0;
}

// The line of a skipped activity: for the n-th repetition of a name, the name's n-th line after
// its first.
std::size_t SkippedLine(const IniDocument& document, const std::vector<LoadProblem>& skipped,
                        const LoadProblem& problem) {
    if (problem.kind != LoadProblem::Kind::DuplicateName)
        return KeyLine(document, problem.section, problem.name);
    const auto repeats = std::count_if(&skipped.front(), &problem, [&](const LoadProblem& before) {
        return before.kind == LoadProblem::Kind::DuplicateName &&
               before.section == problem.section && IniNamesEqual(before.name, problem.name);
    });
    return KeyLine(document, problem.section, problem.name, static_cast<std::size_t>(repeats) + 1);
}

// The duration's key, or its section when the key is missing.
std::size_t DurationLine(const IniDocument& document) {
    const IniSection* section = FindIniSection(document, kDurationSection);
    if (section == nullptr)
        return 0;
    const IniKey* key = FindIniKey(*section, kDurationKey);
    return IniLineNumber(key != nullptr ? key->line : section->headerLine);
}

}  // namespace

std::vector<CheckedProblem> CheckSchedule(const IniDocument& document, const TimeZones& zones) {
    const StartupProblems problems = ReadStartupSchedule(document, &zones).problem;
    const ScheduleProblems& schedule = problems.schedule;
    std::vector<CheckedProblem> found;
    for (const LoadProblem& skipped : schedule.skipped) {
        found.push_back(
            {SkippedLine(document, schedule.skipped, skipped), DescribeSkipped(skipped)});
    }
    for (const UnreadableEntry& entry : schedule.unreadable) {
        found.push_back({KeyLine(document, entry.section, entry.name), DescribeUnreadable(entry)});
    }
    for (const UnusableOption& option : schedule.options) {
        found.push_back(
            {KeyLine(document, option.section, option.name), DescribeUnusableOption(option)});
    }
    if (!problems.duration.ok())
        found.push_back({DurationLine(document), DescribeDuration(problems.duration)});
    for (const UnusableSetting& setting : UnusableSettings(problems)) {
        found.push_back(
            {KeyLine(document, kSettingsSection, setting.key), DescribeUnusableSetting(setting)});
    }
    // Problems of one line keep the start-up message's order.
    std::stable_sort(
        found.begin(), found.end(),
        [](const CheckedProblem& a, const CheckedProblem& b) { return a.line < b.line; });
    return found;
}

std::u16string CheckReport(const std::filesystem::path& file,
                           const std::vector<CheckedProblem>& problems) {
    const std::u16string path = PathText(file);
    std::u16string report;
    for (const CheckedProblem& problem : problems) {
        report += path;
        if (problem.line != 0)
            report.append(u":").append(DecimalText(static_cast<std::int64_t>(problem.line)));
        report.append(u": ").append(problem.what).push_back(u'\n');
    }
    return report;
}
