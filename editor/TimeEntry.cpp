#include "editor/TimeEntry.h"

#include <algorithm>
#include <string>

#include "schedule/NumberText.h"
#include "schedule/ScheduleText.h"
#include "text/TextTrim.h"

namespace {

// The hour (never blank here) and the minute (blank reads 0), or empty when either is not a
// clock time of one day.
std::optional<ClockTime> ReadClock(std::u16string_view hourText, std::u16string_view minuteText) {
    std::optional<std::int16_t> hour = 补两位数字(hourText);
    std::optional<std::int16_t> minute =
        IsBlank(minuteText) ? std::optional<std::int16_t>{0} : 补两位数字(minuteText);
    if (!hour || !minute)
        return std::nullopt;
    if (*hour < 0 || *hour > 23 || *minute < 0 || *minute > 59)
        return std::nullopt;
    return ClockTime{*hour, *minute};
}

}  // namespace

std::optional<std::int16_t> 补两位数字(std::u16string_view text) {
    std::u16string digits(text);
    digits.erase(std::remove(digits.begin(), digits.end(), u' '), digits.end());
    Int16Result number = ConvertToInt16(digits);
    switch (number.status) {
        case Int16Conversion::Ok:
            return number.value;
        case Int16Conversion::NotANumber:
            return std::int16_t{0};
        case Int16Conversion::OutOfRange:
            break;
    }
    return std::nullopt;
}

Outcome<std::u16string, TimeEntryProblem> ComposeTimeEntry(const TimeEntryBoxes& boxes,
                                                           ActivityKind kind, bool sameDay) {
    if (IsBlank(boxes.startHour))
        return {{}, TimeEntryProblem::StartHourBlank};
    std::optional<ClockTime> start = ReadClock(boxes.startHour, boxes.startMinute);
    if (!start)
        return {{}, TimeEntryProblem::StartOutOfRange};
    std::u16string entry = FormatClock(*start);
    if (kind == ActivityKind::TimeRanges) {
        if (IsBlank(boxes.endHour))
            return {{}, TimeEntryProblem::EndHourBlank};
        std::optional<ClockTime> end = ReadClock(boxes.endHour, boxes.endMinute);
        if (!end)
            return {{}, TimeEntryProblem::EndOutOfRange};
        entry += u"-" + FormatClock(*end);
        if (sameDay && MinuteOfDay(*start) >= MinuteOfDay(*end))
            return {{}, TimeEntryProblem::StartNotBeforeEnd};
    }
    return {std::move(entry), TimeEntryProblem::None};
}

std::u16string DescribeTimeEntryProblem(TimeEntryProblem problem) {
    switch (problem) {
        case TimeEntryProblem::StartHourBlank:
            return u"开始小时不能为空！";
        case TimeEntryProblem::StartOutOfRange:
            return u"时间超出范围！";
        case TimeEntryProblem::EndHourBlank:
            return u"结束小时不能为空！";
        case TimeEntryProblem::EndOutOfRange:
            return u"结束时间超出范围！";
        case TimeEntryProblem::StartNotBeforeEnd:
            return u"当日时段不能开始≥结束！";
        case TimeEntryProblem::None:
            break;
    }
    return {};
}

TimeEntryFocus FocusAfter(TimeEntryProblem problem) {
    if (problem == TimeEntryProblem::StartHourBlank)
        return TimeEntryFocus::StartHour;
    if (problem == TimeEntryProblem::EndHourBlank)
        return TimeEntryFocus::EndHour;
    return TimeEntryFocus::Unchanged;
}
