#include "store/StartupReport.h"

#include <exception>
#include <string>

#include "schedule/TaskEntries.h"
#include "store/FileErrorText.h"
#include "store/ScheduleFile.h"

namespace {

std::u16string Quoted(std::u16string_view text) {
    return u"“" + std::u16string(text) + u"”";
}

std::u16string InSection(std::u16string_view section) {
    return u"[" + std::u16string(section) + u"] ";
}

std::u16string PathText(const std::filesystem::path& path) {
    try {
        return path.u16string();
    } catch (const std::exception&) {
        // A name that is not valid in the system's encoding: the file name is still helpful.
        return u"GM.ini";
    }
}

std::u16string DescribeSkipped(const LoadProblem& problem) {
    const std::u16string activity = InSection(problem.section) + u"任务" + Quoted(problem.name);
    switch (problem.kind) {
        case LoadProblem::Kind::NoSeparator:
            return activity + u"缺少“|”，分不出时间和星期，已跳过。";
        case LoadProblem::Kind::EmptyValue:
            return activity + u"没有内容，已跳过。";
        case LoadProblem::Kind::DuplicateName:
            return activity + u"重复出现，只使用第一处。";
        case LoadProblem::Kind::Unreadable:
            break;
    }
    return u"无法读取日程文件：" + DescribeFileError(problem.error) + u"。";
}

std::u16string DescribeUnreadable(const UnreadableEntry& entry) {
    const std::u16string why = entry.error == ScheduleError::Overflow
                                   ? u"数字超出范围"
                                   : u"缺少“:”或“-”，或时段的一端为空";
    return InSection(entry.section) + u"任务" + Quoted(entry.name) + u"中有时间无法识别：" +
           Quoted(entry.entryText) + u"（" + why + u"），已跳过这一时间。";
}

std::u16string DescribeDuration(const DurationSetting& duration) {
    const std::string minutes = std::to_string(kFallbackDurationMinutes);
    const std::u16string fallback =
        u"暂按 " + std::u16string(minutes.begin(), minutes.end()) + u" 分钟计算。";
    const std::u16string key = InSection(kDurationSection) + Quoted(kDurationKey);
    switch (duration.problem) {
        case DurationSetting::Problem::Missing:
            return InSection(kDurationSection) + u"缺少" + Quoted(kDurationKey) + u"，" + fallback;
        case DurationSetting::Problem::NotANumber:
            return key + u"的值" + Quoted(duration.storedText) + u"不是数字，" + fallback;
        case DurationSetting::Problem::OutOfRange:
            return key + u"的值" + Quoted(duration.storedText) + u"超出范围，" + fallback;
        case DurationSetting::Problem::None:
            break;
    }
    return {};
}

}  // namespace

std::vector<UnreadableEntry> FindUnreadableEntries(const std::vector<cTask>& tasks) {
    std::vector<UnreadableEntry> found;
    for (const cTask& task : tasks) {
        const std::u16string_view section = task.任务类型 ? kFixedSection : kRangeSection;
        for (EntryProblem& problem : FindEntryProblems(task)) {
            found.push_back(UnreadableEntry{std::u16string(section), task.任务名,
                                            std::move(problem.entryText), problem.error});
        }
    }
    return found;
}

std::u16string ComposeStartupReport(const std::filesystem::path& iniFile,
                                    const StartupProblems& problems) {
    std::vector<std::u16string> lines;
    if (problems.defaultFileError) {
        lines.push_back(u"无法写入默认日程文件：" + DescribeFileError(problems.defaultFileError) +
                        u"。");
    }
    for (const LoadProblem& skipped : problems.schedule.skipped) {
        lines.push_back(DescribeSkipped(skipped));
    }
    for (const UnreadableEntry& entry : problems.schedule.unreadable) {
        lines.push_back(DescribeUnreadable(entry));
    }
    if (!problems.duration.ok())
        lines.push_back(DescribeDuration(problems.duration));
    if (lines.empty())
        return {};

    std::u16string report =
        u"日程文件中有无法使用的内容，其余内容照常使用。\n文件：" + PathText(iniFile) + u"\n";
    for (const std::u16string& line : lines)
        report += u"\n· " + line;
    return report;
}
