#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/ActivityValue.h"
#include "text/Outcome.h"

// Turning the hour and minute boxes of the task editor into one time entry.

// The number typed into an hour or minute box: spaces are removed, a text that is not a number
// counts as 0, a fraction rounds to the nearest integer (halves to the even neighbour). Empty when
// the number does not fit a signed 16-bit integer.
std::optional<std::int16_t> 补两位数字(std::u16string_view text);

// The texts of the four time boxes as the user left them.
struct TimeEntryBoxes {
    std::u16string_view startHour;
    std::u16string_view startMinute;
    std::u16string_view endHour;
    std::u16string_view endMinute;
};

// What keeps the boxes from making an entry.
enum class TimeEntryProblem {
    None,
    StartHourBlank,
    StartOutOfRange,
    EndHourBlank,
    EndOutOfRange,
    StartNotBeforeEnd,  // a same-day range
};

// Checks the boxes in the order a user meets them (start hour, start range, end hour, end range,
// same-day order) and composes the entry, "HH:mm" or "HH:mm-HH:mm". The end boxes are read only
// for time ranges; sameDay does not take a range whose start is not before its end.
Outcome<std::u16string, TimeEntryProblem> ComposeTimeEntry(const TimeEntryBoxes& boxes,
                                                           ActivityKind kind, bool sameDay);

// The message for the problem; empty for none.
std::u16string DescribeTimeEntryProblem(TimeEntryProblem problem);

// The box that takes the focus after the problem is told.
enum class TimeEntryFocus { Unchanged, StartHour, EndHour };
TimeEntryFocus FocusAfter(TimeEntryProblem problem);
