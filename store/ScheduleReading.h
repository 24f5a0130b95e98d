#pragma once

#include <cstdint>
#include <vector>

#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleProblems.h"
#include "store/ini/IniDocument.h"

// What the start-up reads: the activities, the duration (5 when it cannot be used), the program's
// settings and what could not be used.
struct StartupSchedule {
    std::vector<cTask> tasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
    ProgramSettings settings;
    StartupProblems problems;
};

// The activities of a file already read, into tasks; returns what of them could not be used.
ScheduleProblems ReadActivities(std::vector<cTask>& tasks, const IniDocument& document);
// The activities, the duration and the program's settings of a file already read.
StartupSchedule ReadStartupSchedule(const IniDocument& document);
// The duration setting alone.
DurationSetting ReadDuration(const IniDocument& document);
