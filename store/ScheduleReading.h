#pragma once

#include <cstdint>
#include <vector>

#include "schedule/TimeZones.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleProblems.h"
#include "store/ini/IniDocument.h"
#include "text/Outcome.h"

// What the start-up reads: the activities, the duration (5 when it cannot be used) and the
// program's settings.
struct StartupSchedule {
    std::vector<cTask> tasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
    ProgramSettings settings;
};

// The activities of a file already read, and what of them could not be used. zones is the
// database their 时区 options are checked against.
Outcome<std::vector<cTask>, ScheduleProblems> ReadActivities(const IniDocument& document,
                                                             const TimeZones* zones);
// The activities, the duration and the program's settings of a file already read, and what of
// them could not be used.
Outcome<StartupSchedule, StartupProblems> ReadStartupSchedule(const IniDocument& document,
                                                              const TimeZones* zones);
// The duration setting alone.
DurationSetting ReadDuration(const IniDocument& document);
// The default zone setting alone (ProgramSettings::zone).
std::u16string ReadDefaultZone(const IniDocument& document, const TimeZones* zones);
// The warning leads setting alone (ProgramSettings::warningLeads).
std::vector<int> ReadWarningLeads(const IniDocument& document);
