#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/TimeZones.h"
#include "schedule/cTask.h"

// An entry of one of the two lists, as the list shows it: the activity's name and the entry's time.
// In the list of activities that can be joined now a fixed time point shows as its span
// ("12:00-12:05"), in the list of those opening soon as its start ("12:00"); a range shows as
// written in both. And where it comes from: the activity's kind and the entry's start minute,
// which is after the current minute when an open entry opened the day before and runs past
// midnight.
struct OpenEntry {
    std::u16string name;
    std::u16string displayText;
    ActivityKind kind = ActivityKind::TimeRanges;
    std::int32_t startMinute = 0;
    bool notifies = true;  // false for an activity with 通知=0
    friend auto operator<=>(const OpenEntry&, const OpenEntry&) = default;
};

// The two texts of the status window, and the entries the first one lists.
struct StatusTexts {
    std::u16string now;              // activities that can be joined now
    std::u16string soon;             // activities opening within the next 30 minutes
    std::vector<OpenEntry> open;     // the entries of the now list, in its order
    std::vector<OpenEntry> opening;  // the entries of the soon list, in its order
};

// An activity with a zone of its own (or the context's default zone) is evaluated on its zone's
// wall clock and day, and shown at local times; a start its zone skips is at the end of the gap.
// Where the zone's offset is the local one and no start is moved, the entries show as written.
StatusTexts ComputeStatusTexts(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                               const LocalTime& now, const ZoneContext& zones = {});
