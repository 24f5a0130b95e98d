#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/TimeZones.h"
#include "schedule/WarningLeads.h"
#include "text/Outcome.h"

// The program's own settings, kept in GM.ini beside the schedule in a section that the loader and
// the task editor pass over (store/ScheduleFileLayout.h).

inline constexpr int kDefaultWarningLeadMinutes = 5;

struct WindowPosition {
    int x = 0;
    int y = 0;
    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

struct ProgramSettings {
    bool notifyOnOpening = false;
    // Minutes before an opening at which it is warned of, largest first, each once.
    std::vector<int> warningLeads = {kDefaultWarningLeadMinutes};
    bool warningSound = false;
    // Missing when the key is, or when its value is not two whole numbers.
    std::optional<WindowPosition> windowPosition;
    // The zone of the activities that name none, as written (ZoneContext::defaultZone); empty:
    // the local zone.
    std::u16string zone;
    // The calendar file kept up to date with the schedule, as written; empty: none.
    std::u16string calendarFile;
};

// The problem of a stored setting that cannot be used: its value, as read.
using UnusableValue = std::optional<std::u16string>;

// What a stored on/off value means: "1" on, "0" or a missing key off. Any other value counts as
// off too, and is the problem.
Outcome<bool, UnusableValue> InterpretSwitch(const std::optional<std::u16string>& stored);

// What the stored warning leads mean: whole minutes from 1 to 120 separated by commas, largest
// first and each once; "0" alone none. A missing key, and any other value, mean 5 minutes; the
// other value is the problem.
Outcome<std::vector<int>, UnusableValue> InterpretWarningLeads(
    const std::optional<std::u16string>& stored);

// What the stored default zone means: an IANA name the database knows or a fixed offset
// ("UTC+8"), kept as written. A missing key or an empty value mean the local zone (empty), and so
// does any other value, which is the problem.
Outcome<std::u16string, UnusableValue> InterpretZone(const std::optional<std::u16string>& stored,
                                                     const TimeZones* zones);

// What the stored calendar file means: a full path, kept as written. A missing key or an empty
// value mean none (empty), and so does a path relative to the folder the program happens to start
// in, which is the problem.
Outcome<std::u16string, UnusableValue> InterpretCalendarFile(
    const std::optional<std::u16string>& stored);

// "x,y" (spaces around either number allowed) as a position, or nothing.
std::optional<WindowPosition> ParseWindowPosition(std::u16string_view text);
std::u16string FormatWindowPosition(WindowPosition position);
