#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/TaskDefinition.h"

// Reading a line of the editor's task lists (key "=" stored value) back for editing.

// The activity's name: the text before the first "=", or the whole line without one.
std::u16string_view TaskListLineName(std::u16string_view line);

// What the entry controls show for an activity loaded for editing.
struct ActivityForEditing {
    std::u16string name;
    std::vector<std::u16string> entries;  // the lines of the pending time list
    bool daily = false;
    WeekdayTicks weekdays{};  // all unticked when daily
};

// The name, and the time entries as the status window reads them: the value before the first "|",
// normalised, split at ",", each trimmed, empty ones skipped, otherwise kept as written. The
// weekday text (between the first and a second "|") is normalised the same way: "每日" anywhere in
// it means daily, otherwise each weekday whose name occurs in it is ticked.
ActivityForEditing ReadTaskListLine(std::u16string_view line);
