#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "schedule/ActivityValue.h"
#include "schedule/LocalTime.h"
#include "schedule/TimeZones.h"
#include "schedule/cTask.h"

// An opening of an activity: the start minute of a fixed time point or of a range, at its second
// 0, on a day the activity counts on, placed on the local wall clock (a start its zone skips opens
// at the end of the gap). Entries that start at no real minute of the day (25:70) never open.
struct Opening {
    ActivityKind kind = ActivityKind::TimeRanges;
    std::u16string name;
    // The entry as the list of what opens soon shows it: "12:05开启", or the range "12:05-12:20".
    std::u16string soonText;
    LocalMoment moment;
    std::optional<std::vector<int>> leads;  // the activity's own warning leads (提前)
    bool notifies = true;                   // false for 通知=0
};

// The openings after the first moment and up to the last, in time order; openings at the same
// moment in schedule order.
std::vector<Opening> OpeningsBetween(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                                     LocalMoment after, LocalMoment upTo,
                                     const ZoneContext& zones = {});

// The moment of the first opening strictly after the given one, looking a week ahead; nothing
// when no entry opens in that time.
std::optional<LocalMoment> FirstOpeningAfter(const std::vector<cTask>& tasks,
                                             std::int16_t durationMinutes, LocalMoment after,
                                             const ZoneContext& zones = {});
