#include "schedule/ActivityValue.h"

#include "schedule/ScheduleText.h"

namespace {

constexpr std::u16string_view kDaily = u"每日";

bool Names(std::u16string_view normalizedWeekdays, std::u16string_view name) {
    return normalizedWeekdays.find(name) != std::u16string_view::npos;
}

std::u16string ComposeWeekdayText(const WeekdayChoice& days) {
    if (days.daily)
        return std::u16string(kDaily);
    std::u16string text;
    for (int index = 1; index <= 7; ++index) {
        if (!days.weekdays[index - 1])
            continue;
        if (!text.empty())
            text += u',';
        text += Get星期文本(index);
    }
    return text;
}

}  // namespace

ActivityValuePieces SplitActivityValue(std::u16string_view value) {
    const Split timesAndRest = SplitAt(value, u'|');
    const Split weekdaysAndOptions = SplitAt(timesAndRest.rest, u'|');
    return {timesAndRest.first, weekdaysAndOptions.first, weekdaysAndOptions.rest,
            timesAndRest.separated};
}

bool RunsOn(std::u16string_view weekdayText, std::u16string_view dayName) {
    std::u16string storage;
    const std::u16string_view weekdays = NormalizeScheduleText(weekdayText, storage);
    return Names(weekdays, kDaily) || Names(weekdays, dayName);
}

ActivityDefinition ReadActivityValue(std::u16string_view value) {
    const ActivityValuePieces pieces = SplitActivityValue(value);
    ActivityDefinition definition;
    std::u16string storage;
    ForEachTimeListEntry(
        NormalizeScheduleText(pieces.times, storage),
        [&](std::u16string_view entry) { definition.entries.emplace_back(entry); });

    const std::u16string_view weekdays = NormalizeScheduleText(pieces.weekdays, storage);
    definition.days.daily = Names(weekdays, kDaily);
    for (int index = 1; index <= 7 && !definition.days.daily; ++index)
        definition.days.weekdays[index - 1] = Names(weekdays, Get星期文本(index));
    return definition;
}

std::u16string ComposeActivityValue(const ActivityDefinition& definition) {
    std::u16string value;
    for (const std::u16string& entry : definition.entries) {
        if (!value.empty())
            value += u',';
        value += entry;
    }
    return value + u"|" + ComposeWeekdayText(definition.days);
}
