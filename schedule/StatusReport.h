#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/cTask.h"

// The two texts of the status window.
struct StatusTexts {
    std::u16string now;   // activities that can be joined now
    std::u16string soon;  // activities opening within the next 30 minutes
};

StatusTexts ComputeStatusTexts(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                               const LocalTime& now);
