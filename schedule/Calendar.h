#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "schedule/TimeZones.h"
#include "schedule/cTask.h"

// What the schedule is exported to a calendar from.
struct CalendarBasis {
    const std::vector<cTask>& tasks;
    std::int16_t durationMinutes;
    const std::vector<int>& leads;  // 提前提醒, largest first
    const ZoneContext& zones;
};

// The whole schedule as one iCalendar object: UTF-8, CR LF, lines folded at 75 octets. One VEVENT
// for each entry of each activity, repeated on the days the activity counts on, in the activity's
// zone (a VTIMEZONE for each), with an alarm at each warning lead and one at the start unless the
// activity does not notify. The text depends on nothing but the basis.
std::string ComposeCalendar(const CalendarBasis& basis);
