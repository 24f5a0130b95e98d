#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "schedule/LocalTime.h"
#include "schedule/cTask.h"
#include "store/IniReaders.h"
#include "store/ScheduleProblems.h"

// The two kinds of activity, each kept in a section of its own.
enum class ActivityKind { FixedTimes, TimeRanges };

// What the start-up reads: the activities, the duration (5 when it cannot be used) and what could
// not be used.
struct StartupSchedule {
    std::vector<cTask> tasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
    StartupProblems problems;
};

// What a reload reads: the activities and what could not be used.
struct ReloadedSchedule {
    std::vector<cTask> tasks;
    ScheduleProblems problems;
};

// The program's schedule file, GM.ini: its path, resolved once at start-up, and the clock that
// dates a default file written on demand. The windows read and change the schedule only through
// it. Every call reads or writes the file afresh; nothing is cached.
class ScheduleFile {
  public:
    ScheduleFile(std::filesystem::path path, Clock clock);

    // The path for messages.
    std::u16string PathText() const;
    // The local time of the clock.
    LocalTime Now() const;

    // Removes what writers killed part way left beside the file, writes the default file when it
    // is missing, then loads the activities and the duration. When the file cannot be created or
    // read, nothing else is tried.
    StartupSchedule LoadAtStartup() const;
    // Loads the activities again; the duration is read only at start-up.
    ReloadedSchedule Reload() const;

    // The activities of one kind as stored, in file order; error is set when the file cannot be
    // read.
    std::vector<IniKeyValue> Activities(ActivityKind kind, std::error_code& error) const;

    // Each returns the reason when the file could not be written; it is then left as it was.
    std::error_code SaveActivity(ActivityKind kind, std::u16string_view name,
                                 std::u16string_view definition) const;
    std::error_code SaveDuration(std::int16_t minutes) const;
    std::error_code DeleteActivity(ActivityKind kind, std::u16string_view name) const;

  private:
    ScheduleProblems LoadTasksInto(std::vector<cTask>& tasks) const;

    std::filesystem::path path_;
    Clock clock_;
};
