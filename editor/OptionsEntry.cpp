#include "editor/OptionsEntry.h"

#include <algorithm>

#include "schedule/ActivityZone.h"
#include "schedule/NumberText.h"
#include "schedule/WarningLeads.h"
#include "text/TextSplit.h"
#include "text/TextTrim.h"

namespace {

constexpr int kMaxMonthDay = 31;

// The days of the month, ascending and each once, as 每月 reads them; nothing when the text is
// not that.
std::optional<std::vector<int>> ParseMonthDays(std::u16string_view text) {
    std::vector<int> days;
    for (Split split{{}, text, true}; split.separated;) {
        split = SplitAt(split.rest, u',');
        const std::optional<int> monthDay = ParseWholeNumber(split.first);
        if (!monthDay || *monthDay < 1 || *monthDay > kMaxMonthDay)
            return std::nullopt;
        days.push_back(*monthDay);
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

// The trimmed text, or empty when it is the choice that writes nothing.
std::u16string_view Chosen(std::u16string_view typed, std::u16string_view writesNothing) {
    const std::u16string_view text = TrimSpaces(typed);
    return text == writesNothing ? std::u16string_view{} : text;
}

}  // namespace

Outcome<ActivityOptions, OptionsEntryProblem> ComposeOptionsEntry(const OptionsEntry& entry,
                                                                  const TimeZones& zones) {
    ActivityOptions options;
    options.zone = Chosen(entry.zone, kDefaultZoneChoice);
    if (!options.zone.empty() && !ReadZone(options.zone, &zones))
        return {{}, OptionsEntryProblem::NoSuchZone};
    options.firstDay = entry.firstDay;
    options.lastDay = entry.lastDay;
    if (entry.firstDay && entry.lastDay && *entry.lastDay < *entry.firstDay)
        return {{}, OptionsEntryProblem::LastBeforeFirst};
    options.everyDays = entry.everyDays;
    if (entry.everyDays && !entry.firstDay)
        return {{}, OptionsEntryProblem::EveryWithoutFirst};
    if (entry.monthDays) {
        std::optional<std::vector<int>> days = ParseMonthDays(*entry.monthDays);
        if (!days)
            return {{}, OptionsEntryProblem::BadMonthDays};
        options.monthDays = std::move(*days);
    }
    if (const std::u16string_view leads = Chosen(entry.leads, kGlobalLeadsChoice); !leads.empty()) {
        options.leads = ParseWarningLeads(leads);
        if (!options.leads)
            return {{}, OptionsEntryProblem::BadLeads};
    }
    options.notify = entry.notify;
    options.unknown = entry.unknown;
    return {std::move(options), OptionsEntryProblem::None};
}

OptionsEntry EntryOfOptions(const ActivityOptions& options) {
    OptionsEntry entry;
    if (!options.zone.empty())
        entry.zone = options.zone;
    entry.firstDay = options.firstDay;
    entry.lastDay = options.lastDay;
    entry.everyDays = options.everyDays;
    if (!options.monthDays.empty())
        entry.monthDays = DecimalList(options.monthDays);
    if (options.leads)
        entry.leads = FormatWarningLeads(*options.leads);
    entry.notify = options.notify;
    entry.unknown = options.unknown;
    return entry;
}

std::u16string AppendOptions(std::u16string definition, const ActivityOptions& options) {
    const std::u16string text = ComposeActivityOptions(options);
    if (!text.empty())
        definition.append(u"|").append(text);
    return definition;
}

std::u16string DescribeOptionsEntryProblem(OptionsEntryProblem problem) {
    switch (problem) {
        case OptionsEntryProblem::NoSuchZone:
            return u"时区不存在，请输入如 Asia/Shanghai 或 UTC+8 的时区！";
        case OptionsEntryProblem::LastBeforeFirst:
            return u"结束日期不能早于开始日期！";
        case OptionsEntryProblem::EveryWithoutFirst:
            return u"每隔天数重复须设置开始日期！";
        case OptionsEntryProblem::BadMonthDays:
            return u"每月日期须为 1 至 31 的数字，以逗号分隔！";
        case OptionsEntryProblem::BadLeads:
            return u"提前提醒须为 0，或 1 至 120 的分钟数，以逗号分隔！";
        case OptionsEntryProblem::None:
            break;
    }
    return {};
}
