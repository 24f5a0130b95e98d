#include "editor/TaskListLine.h"

#include "schedule/ScheduleText.h"
#include "schedule/TextSplit.h"

std::u16string_view TaskListLineName(std::u16string_view line) {
    return SplitAt(line, u'=').first;
}

ActivityForEditing ReadTaskListLine(std::u16string_view line) {
    const Split nameAndValue = SplitAt(line, u'=');
    const Split timesAndDays = SplitAt(nameAndValue.rest, u'|');
    ActivityForEditing activity;
    activity.name = nameAndValue.first;

    std::u16string storage;
    ForEachTimeListEntry(NormalizeScheduleText(timesAndDays.first, storage),
                         [&](std::u16string_view entry) { activity.entries.emplace_back(entry); });

    const std::u16string_view weekdays =
        NormalizeScheduleText(SplitAt(timesAndDays.rest, u'|').first, storage);
    activity.daily = weekdays.find(u"每日") != std::u16string_view::npos;
    for (int index = 1; index <= 7 && !activity.daily; ++index) {
        activity.weekdays[index - 1] =
            weekdays.find(Get星期文本(index)) != std::u16string_view::npos;
    }
    return activity;
}
