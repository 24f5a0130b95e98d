#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "schedule/ActivityValue.h"
#include "schedule/LocalTime.h"
#include "schedule/cTask.h"
#include "store/FileErrorText.h"
#include "store/ProgramSettings.h"
#include "store/ScheduleProblems.h"
#include "store/ini/IniDocument.h"
#include "store/ini/IniLocation.h"
#include "store/ini/IniReaders.h"

// What the start-up reads: the activities, the duration (5 when it cannot be used), the program's
// settings and what could not be used.
struct StartupSchedule {
    std::vector<cTask> tasks;
    std::int16_t durationMinutes = kFallbackDurationMinutes;
    ProgramSettings settings;
    StartupProblems problems;
};

// What a reload reads: the activities and what could not be used.
struct ReloadedSchedule {
    std::vector<cTask> tasks;
    ScheduleProblems problems;
};

// The activities, the duration and the program's settings of a file already read.
StartupSchedule ReadStartupSchedule(const IniDocument& document);
// The duration setting alone.
DurationSetting ReadDuration(const IniDocument& document);

// The program's schedule file, GM.ini: its path, resolved once at start-up, and the clock that
// dates the default file. Every call reads or writes the file afresh; nothing is cached. Only the
// default file is written without being asked: every reader only reads.
class ScheduleFile {
  public:
    ScheduleFile(IniLocation location, Clock clock);

    // The file and why it could not be read or written, for a message: "<path>：<reason>".
    std::u16string DescribeFailure(std::error_code error, FileAccess access) const;
    // What the user is told of the problems (see ComposeStartupReport); empty when there are none.
    std::u16string Report(const StartupProblems& problems) const;

    // The start-up's two steps: the default file when it is missing, then one read of the file
    // for the activities, the duration and the program's settings. When the file or its folder
    // cannot be created, or the file cannot be read, nothing else is tried.
    StartupSchedule LoadAtStartup() const;
    // Loads the activities again; the duration is read only at start-up.
    ReloadedSchedule Reload() const;

    // The activities of one kind as stored, in file order; error is set when the file cannot be
    // read.
    std::vector<IniKeyValue> Activities(ActivityKind kind, std::error_code& error) const;

    // Each returns the reason when the file could not be written; it is then left as it was.
    // An activity is saved together with the duration, when one is given, in one replace of the
    // file.
    std::error_code SaveActivity(ActivityKind kind, std::u16string_view name,
                                 std::u16string_view definition,
                                 std::optional<std::int16_t> durationMinutes) const;
    std::error_code DeleteActivity(ActivityKind kind, std::u16string_view name) const;
    // A key of the program's settings (ProgramSettings.h), as text.
    std::error_code SaveSetting(std::u16string_view key, std::u16string_view value) const;

  private:
    // Removes what writers killed part way left beside the file and writes the default file when
    // there is none.
    FileProblem CreateWhenMissing() const;
    StartupSchedule Load() const;

    IniLocation location;
    Clock clock;
};
