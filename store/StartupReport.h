#pragma once

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "schedule/ScheduleText.h"
#include "schedule/cTask.h"
#include "store/Duration.h"
#include "store/TaskLoader.h"

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

// What a load of the activities left out or cannot read. Compared after a reload, so that the
// same problems are not reported twice.
struct ScheduleProblems {
    std::vector<LoadProblem> skipped;
    std::vector<UnreadableEntry> unreadable;
    bool empty() const { return skipped.empty() && unreadable.empty(); }
    friend bool operator==(const ScheduleProblems&, const ScheduleProblems&) = default;
};

// Everything that went wrong while starting: writing the default file, loading the activities,
// reading the duration.
struct StartupProblems {
    std::error_code defaultFileError;
    ScheduleProblems schedule;
    DurationSetting duration;
};

// The message that tells the user, in plain Chinese, what is wrong in which file, section and
// activity, and how the program carries on. Empty when there is nothing to tell.
std::u16string ComposeStartupReport(const std::filesystem::path& iniFile,
                                    const StartupProblems& problems);
