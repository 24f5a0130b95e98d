#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "schedule/TimeZones.h"
#include "store/FileErrorText.h"
#include "store/ScheduleStore.h"
#include "store/Settings.h"

// The schedule as a calendar file (schedule/Calendar.h), for calendar programs to show.

// What kept the calendar from being written: GM.ini could not be read (Read), or the calendar
// file not written (Write).
struct CalendarProblem {
    FileAccess access = FileAccess::Write;
    std::error_code error;
    explicit operator bool() const { return static_cast<bool>(error); }
};

// Writes the activities as GM.ini now stands, with the duration read at start-up and the warning
// leads as set, to the file, replacing it atomically as GM.ini is replaced.
CalendarProblem WriteScheduleCalendar(const std::filesystem::path& file,
                                      const ScheduleStore& schedule, const Settings& settings,
                                      const ZoneContext& zones);

// what, then the file that could not be read or written and why: "<what><path>：<reason>".
std::u16string DescribeCalendarProblem(std::u16string_view what, const std::filesystem::path& file,
                                       const ScheduleStore& schedule,
                                       const CalendarProblem& problem);
