#include "schedule/SoonText.h"

#include "schedule/ScheduleText.h"

std::u16string SoonText(ActivityKind kind, const EntryView& entry) {
    if (kind == ActivityKind::TimeRanges)
        return std::u16string(entry.displayText);
    return FormatClock(entry.start) + u"开启";
}
