#include "store/StartupMessage.h"

#include <algorithm>
#include <string>
#include <utility>

#include "schedule/NumberText.h"
#include "store/FileErrorText.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleFileLayout.h"
#include "text/PathText.h"

namespace {

// Appended piece by piece: "literal + string" trips GCC 12's -Wrestrict at -O3.
std::u16string Enclosed(std::u16string_view open, std::u16string_view text,
                        std::u16string_view close) {
    std::u16string enclosed(open);
    enclosed.append(text).append(close);
    return enclosed;
}

std::u16string Quoted(std::u16string_view text) {
    return Enclosed(u"“", text, u"”");
}

std::u16string InSection(std::u16string_view section) {
    return Enclosed(u"[", section, u"] ");
}

// Why an option cannot be used, in the words of the line that tells it.
std::u16string_view WhyOptionUnusable(const OptionProblem& problem) {
    using Kind = OptionProblem::Kind;
    switch (problem.kind) {
        case Kind::UnknownKey:
            return u"没有这个选项";
        case Kind::NoSuchZone:
            return u"没有这个时区";
        case Kind::NotADate:
            return u"不是 YYYY-MM-DD 格式的日期";
        case Kind::EveryWithoutFirst:
            return u"没有可用的“起”，不知从哪天算起";
        case Kind::OutOfRange:
        case Kind::Unreadable:
            break;
    }
    constexpr std::pair<std::u16string_view, std::u16string_view> kWhatItTakes[] = {
        {u"每隔", u"应为 1 到 366 的整数"},
        {u"每月", u"应为用逗号分隔的 1 到 31 的整数"},
        {u"提前", u"应为 0，或用逗号分隔的 1 到 120 的整数"},
        {u"通知", u"应为 0 或 1"}};
    for (const auto& [key, what] : kWhatItTakes) {
        if (problem.key == key)
            return what;
    }
    return problem.kind == Kind::OutOfRange ? u"数字超出范围" : u"无法识别";
}

}  // namespace

std::u16string DescribeSkipped(const LoadProblem& problem) {
    const std::u16string activity = InSection(problem.section) + u"任务" + Quoted(problem.name);
    switch (problem.kind) {
        case LoadProblem::Kind::NoSeparator:
            return activity + u"缺少“|”，分不出时间和星期，已跳过。";
        case LoadProblem::Kind::EmptyValue:
            return activity + u"没有内容，已跳过。";
        case LoadProblem::Kind::DuplicateName:
            break;
    }
    return activity + u"重复出现，只使用第一处。";
}

std::u16string DescribeUnreadable(const UnreadableEntry& entry) {
    const std::u16string why = entry.error == ScheduleError::Overflow
                                   ? u"数字超出范围"
                                   : u"缺少“:”或“-”，或时段的一端为空";
    return InSection(entry.section) + u"任务" + Quoted(entry.name) + u"中有时间无法识别：" +
           Quoted(entry.entryText) + u"（" + why + u"），已跳过这一时间。";
}

std::u16string DescribeDuration(const DurationSetting& duration) {
    const std::u16string fallback =
        u"暂按 " + DecimalText(kFallbackDurationMinutes) + u" 分钟计算。";
    const std::u16string key = InSection(kDurationSection) + Quoted(kDurationKey);
    switch (duration.problem) {
        case DurationSetting::Problem::Missing:
            return InSection(kDurationSection) + u"缺少" + Quoted(kDurationKey) + u"，" + fallback;
        case DurationSetting::Problem::NotANumber:
            return key + u"的值" + Quoted(duration.storedText) + u"不是数字，" + fallback;
        case DurationSetting::Problem::OutOfRange:
            return key + u"的值" + Quoted(duration.storedText) + u"超出范围，" + fallback;
        case DurationSetting::Problem::Negative:
            return key + u"的值" + Quoted(duration.storedText) + u"是负数，" + fallback;
        case DurationSetting::Problem::None:
            break;
    }
    return {};
}

std::u16string DescribeUnusableOption(const UnusableOption& option) {
    return InSection(option.section) + u"任务" + Quoted(option.name) + u"的选项" +
           Quoted(option.problem.key + u"=" + option.problem.value) + u"无法使用（" +
           std::u16string(WhyOptionUnusable(option.problem)) + u"），已忽略这一选项。";
}

std::u16string DescribeUnusableSetting(const UnusableSetting& setting) {
    constexpr std::pair<std::u16string_view, std::u16string_view> kWhy[] = {
        {kNotifyKey, u"不是 0 或 1，暂不通知。"},
        {kWarningLeadsKey, u"不是 0，也不是用逗号分隔的 1 到 120 的整数，暂按提前 5 分钟提醒。"},
        {kWarningSoundKey, u"不是 0 或 1，暂不播放声音。"},
        {kZoneKey, u"不是已知的时区，也不是 UTC+8 这样的时差，暂按本机时区计算。"},
        {kCalendarFileKey, u"不是完整的文件路径，暂不保存日历文件。"}};
    const auto* why = std::find_if(std::begin(kWhy), std::end(kWhy),
                                   [&](const auto& known) { return known.first == setting.key; });
    return InSection(kSettingsSection) + Quoted(setting.key) + u"的值" + Quoted(setting.value) +
           std::u16string(why->second);
}

std::u16string DescribeFileProblem(const std::filesystem::path& file, const FileProblem& problem) {
    std::u16string what;
    FileAccess access = FileAccess::Write;
    switch (problem.kind) {
        case FileProblem::Kind::FolderNotCreated:
            what = u"无法创建日程文件所在的文件夹：" + PathText(file.parent_path());
            break;
        case FileProblem::Kind::NotCreated:
            what = u"无法创建日程文件：" + PathText(file);
            break;
        case FileProblem::Kind::NotRead:
        case FileProblem::Kind::None:
            what = u"无法读取日程文件：" + PathText(file);
            access = FileAccess::Read;
            break;
    }
    return what + u"\n原因：" + DescribeFileError(problem.error, access) + u"。";
}

std::u16string DescribeStartupProblems(const std::filesystem::path& file,
                                       const StartupProblems& problems) {
    if (problems.schedule.file)
        return DescribeFileProblem(file, problems.schedule.file);
    std::vector<std::u16string> lines;
    for (const LoadProblem& skipped : problems.schedule.skipped) {
        lines.push_back(DescribeSkipped(skipped));
    }
    for (const UnreadableEntry& entry : problems.schedule.unreadable) {
        lines.push_back(DescribeUnreadable(entry));
    }
    for (const UnusableOption& option : problems.schedule.options) {
        lines.push_back(DescribeUnusableOption(option));
    }
    if (!problems.duration.ok())
        lines.push_back(DescribeDuration(problems.duration));
    for (const UnusableSetting& setting : UnusableSettings(problems)) {
        lines.push_back(DescribeUnusableSetting(setting));
    }
    if (lines.empty())
        return {};

    std::u16string message =
        u"日程文件中有无法使用的内容，其余内容照常使用。\n文件：" + PathText(file) + u"\n";
    for (const std::u16string& line : lines)
        message += u"\n· " + line;
    return message;
}
