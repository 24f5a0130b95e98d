#pragma once

#include <cstdint>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/ScheduleProblems.h"
#include "store/ini/IniLocation.h"
#include "text/Outcome.h"

// What the status is computed from, as the start-up loads it: the activities and the duration
// (5 when it cannot be used).
struct ScheduleSnapshot {
    std::vector<cTask> tasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
};

// Reads the file once and never creates or changes anything. When there is no ordinary file at the
// path, the schedule is that of the default file created at that moment, which the start-up
// (ScheduleStore::LoadAtStartup) would write. The problem is the one the start-up would meet with
// the file itself: that it could not create the folder or write the default file, as far as can be
// told without writing (see PreviewIniPath and CheckFileReplaceable), or that the file cannot be
// read.
Outcome<ScheduleSnapshot, FileProblem> ReadScheduleSnapshot(const IniLocation& location,
                                                            const LocalTime& now);
