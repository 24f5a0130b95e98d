#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/ActivityOptions.h"

// The day an activity's calendar events begin when it has no 起: the events repeat from there.
inline constexpr std::chrono::local_days kFirstCalendarDay{std::chrono::year{2026} / 1 / 1};

// The days an activity counts on as a calendar repeats them: the first one, and the RRULE value
// (without UNTIL) that gives the others.
struct CalendarRecurrence {
    std::chrono::local_days firstDay;
    std::string rule;
    friend bool operator==(const CalendarRecurrence&, const CalendarRecurrence&) = default;
};

// The days of the weekday text (as RunsOn reads it) that 起, 止, 每隔 and 每月 let the activity
// count on: FREQ=DAILY, FREQ=WEEKLY;BYDAY for weekdays, INTERVAL for 每隔, FREQ=MONTHLY;BYMONTHDAY
// for 每月, BYDAY again where weekdays restrict those. The first day is the first of them on or
// after 起 (kFirstCalendarDay without one). Nothing when there is no such day within eight years.
std::optional<CalendarRecurrence> RecurrenceOf(std::u16string_view weekdayText,
                                               const ActivityOptions& options);
