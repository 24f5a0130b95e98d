#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/cTask.h"

// Seconds from now to the next opening of any entry: the start minute of a fixed time point or of
// a range, at its second 0, on a day whose weekday the activity runs on; strictly after now.
// Looks a week ahead. Nothing when no entry opens in that time, or none starts at a real minute of
// the day (an entry written 25:70 is never open from its start).
std::optional<std::int32_t> SecondsToNextOpening(const std::vector<cTask>& tasks,
                                                 std::int16_t durationMinutes,
                                                 const LocalTime& now);
