#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/TimeZones.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/ScheduleProblems.h"
#include "store/ini/IniDocument.h"
#include "store/ini/IniLocation.h"
#include "text/Outcome.h"

// What the status and the calendar are computed from, as the start-up loads it: the activities,
// the duration (5 when it cannot be used), the zone of activities that name none (empty: the local
// zone) and the warning leads of activities without their own.
struct ScheduleSnapshot {
    std::vector<cTask> tasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
    std::u16string defaultZone;
    std::vector<int> warningLeads;
};

// The file as the start-up would read it, read once; nothing is created or changed. When there is
// no ordinary file at the path, it is the default file created at that moment, which the start-up
// (ScheduleStore::LoadAtStartup) would write. The problem is the one the start-up would meet with
// the file itself: that it could not create the folder or write the default file, as far as can be
// told without writing (see PreviewIniPath and CheckFileReplaceable), or that the file cannot be
// read.
Outcome<IniDocument, FileProblem> ReadStartupDocument(const IniLocation& location,
                                                      const LocalTime& now);

// The schedule of the file ReadStartupDocument reads, with the settings it needs; zones checks its
// default zone.
Outcome<ScheduleSnapshot, FileProblem> ReadScheduleSnapshot(const IniLocation& location,
                                                            const LocalTime& now,
                                                            const TimeZones& zones);
