#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "schedule/ActivityOptions.h"
#include "schedule/ScheduleText.h"
#include "schedule/TimeZones.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/ProgramSettings.h"

// An activity that LoadTasks had to leave out.
struct LoadProblem {
    enum class Kind {
        NoSeparator,    // the value holds no "|"
        EmptyValue,     // the value is empty
        DuplicateName,  // the name was already loaded from this section
    };
    Kind kind = Kind::NoSeparator;
    std::u16string section;
    std::u16string name;
    friend bool operator==(const LoadProblem&, const LoadProblem&) = default;
};

// A time entry of a loaded activity that cannot be read; the activity's other entries still count.
struct UnreadableEntry {
    std::u16string section;
    std::u16string name;
    std::u16string entryText;
    ScheduleError error = ScheduleError::None;
    friend bool operator==(const UnreadableEntry&, const UnreadableEntry&) = default;
};

// Every unreadable time entry of the activities, in collection order, whatever the day.
std::vector<UnreadableEntry> FindUnreadableEntries(const std::vector<cTask>& tasks);

// An option of a loaded activity that cannot be used; the activity counts as if it were absent.
struct UnusableOption {
    std::u16string section;
    std::u16string name;
    OptionProblem problem;
    friend bool operator==(const UnusableOption&, const UnusableOption&) = default;
};

// Every unusable option of the activities, in collection order; a 时区 is checked against the
// database (none: only fixed offsets are zones).
std::vector<UnusableOption> FindUnusableOptions(const std::vector<cTask>& tasks,
                                                const TimeZones* zones);

// What is wrong with the schedule file as a whole.
struct FileProblem {
    enum class Kind {
        None,
        FolderNotCreated,  // the folder for the file could not be created
        NotCreated,        // the default file could not be written
        NotRead,           // the file exists but cannot be read
    };
    Kind kind = Kind::None;
    std::error_code error;
    explicit operator bool() const { return kind != Kind::None; }
    friend bool operator==(const FileProblem&, const FileProblem&) = default;
};

// What a load of the activities could not use. Compared after a reload, so that the same problems
// are not told twice.
struct ScheduleProblems {
    FileProblem file;
    std::vector<LoadProblem> skipped;
    std::vector<UnreadableEntry> unreadable;
    std::vector<UnusableOption> options{};
    bool empty() const { return !file && skipped.empty() && unreadable.empty() && options.empty(); }
    friend bool operator==(const ScheduleProblems&, const ScheduleProblems&) = default;
};

// Everything that went wrong while starting: the file, its activities, the duration and the
// program's settings (each one's stored value when it cannot be used).
struct StartupProblems {
    ScheduleProblems schedule{};
    DurationSetting duration{};
    UnusableValue unusableNotifyValue{};
    UnusableValue unusableLeadsValue{};
    UnusableValue unusableSoundValue{};
    UnusableValue unusableZoneValue{};
    UnusableValue unusableCalendarFileValue{};
};

// A setting of the settings' section whose stored value cannot be used.
struct UnusableSetting {
    std::u16string_view key;  // as in store/ScheduleFileLayout.h
    std::u16string value;     // as read
};

// The unusable settings of the problems, in the order the message tells them.
std::vector<UnusableSetting> UnusableSettings(const StartupProblems& problems);
