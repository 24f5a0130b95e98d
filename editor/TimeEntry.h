#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/ActivityValue.h"

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

// The box that takes the focus after a refusal.
enum class TimeEntryFocus { Unchanged, StartHour, EndHour };

struct TimeEntryOutcome {
    std::u16string entry;    // "HH:mm" or "HH:mm-HH:mm" when accepted
    std::u16string refusal;  // the message to show when refused
    TimeEntryFocus focus = TimeEntryFocus::Unchanged;
    bool accepted() const { return refusal.empty(); }
};

// Checks the boxes in the order a user meets them (start hour, start range, end hour, end range,
// same-day order) and composes the entry. The end boxes are read only for time ranges; sameDay
// refuses a range whose start is not before its end.
TimeEntryOutcome ComposeTimeEntry(const TimeEntryBoxes& boxes, ActivityKind kind, bool sameDay);
