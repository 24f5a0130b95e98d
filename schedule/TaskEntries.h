#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cTask.h"
#include "ScheduleText.h"

// One written time entry of a task, read for evaluation.
struct TaskEntry {
    ClockTime start;
    ClockTime end;
    std::u16string displayText;
    std::int32_t startMinuteOfDay = 0;
};

// An entry that could not be read; it is skipped on its own.
struct EntryProblem {
    std::u16string entryText;  // the entry after normalisation and trimming
    ScheduleError error = ScheduleError::None;
};

struct InterpretedTask {
    bool forToday = false;  // false: the weekday text names neither today nor "每日"
    std::vector<TaskEntry> entries;
    std::vector<EntryProblem> problems;
};

// Reads one task for the day called todayName ("星期一" … "星期日"). When the task is not for
// today its entries are not examined.
InterpretedTask InterpretTaskForToday(const cTask& task, std::int16_t durationMinutes,
                                      std::u16string_view todayName);

// Every entry of the task that cannot be read, whatever the day.
std::vector<EntryProblem> FindEntryProblems(const cTask& task);
