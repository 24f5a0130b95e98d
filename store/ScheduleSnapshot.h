#pragma once

#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/IniDocument.h"
#include "store/TaskLoader.h"

// What the status is computed from, as the start-up loads it: the activities and the duration
// (5 when it cannot be used).
struct ScheduleSnapshot {
    std::vector<cTask> tasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
};

// The duration setting of a file already read.
DurationSetting ReadDuration(const IniDocument& document);

// Reads the file once and never creates or changes anything: when there is no file, the schedule
// is that of the default file created at that moment, which the start-up would write. error is
// set when the file exists but cannot be read.
ScheduleSnapshot ReadScheduleSnapshot(const std::filesystem::path& file, const LocalTime& now,
                                      std::error_code& error);
