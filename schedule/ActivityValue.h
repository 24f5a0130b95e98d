#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "text/TextSplit.h"
#include "text/TextTrim.h"

// An activity's value in GM.ini: the time list, "|" and the weekday text, as in
// "08:00,12:00|星期一,星期三" or "06:00-06:30|每日". Its name is the key, and its kind the section
// it stands in (store/ScheduleFileLayout.h).

// The two kinds of activity.
enum class ActivityKind { FixedTimes, TimeRanges };

// The texts of a value, unchanged: the time list before the first "|", the weekday text from
// there to a second "|" or the end, and the options after a second "|" (schedule/ActivityOptions.h)
// up to the end. Without any "|" the whole value is the time list and separated is false.
struct ActivityValuePieces {
    std::u16string_view times;
    std::u16string_view weekdays;
    std::u16string_view options;
    bool separated = false;
};

ActivityValuePieces SplitActivityValue(std::u16string_view value);

// Calls onEntry with each entry of a normalised time list, in written order: the pieces between
// the "," separators, trimmed, empty ones skipped.
template <typename OnEntry>
void ForEachTimeListEntry(std::u16string_view normalizedTimes, OnEntry onEntry) {
    for (Split split{{}, normalizedTimes, true}; split.separated;) {
        split = SplitAt(split.rest, u',');
        const std::u16string_view entry = TrimSpaces(split.first);
        if (!entry.empty())
            onEntry(entry);
    }
}

// Whether the weekday text names the day ("星期一" .. "星期日"): once normalised, it holds "每日"
// or the day's name anywhere. Separators between the names do not matter.
bool RunsOn(std::u16string_view weekdayText, std::u16string_view dayName);

// The ticks of the seven weekdays, Monday first.
using WeekdayTicks = std::array<bool, 7>;

// The days an activity runs on: every day, or the ticked weekdays.
struct WeekdayChoice {
    bool daily = false;
    WeekdayTicks weekdays{};  // all unticked when daily
    friend bool operator==(const WeekdayChoice&, const WeekdayChoice&) = default;
};

// An activity's value as the task editor shows it.
struct ActivityDefinition {
    std::vector<std::u16string> entries;
    WeekdayChoice days;
    friend bool operator==(const ActivityDefinition&, const ActivityDefinition&) = default;
};

// The entries of the time list as the status window reads them (normalised, split at ",", each
// trimmed, empty ones skipped, otherwise kept as written) and the days of the weekday text, read
// as RunsOn reads it: daily when it holds "每日", otherwise each weekday whose name it holds.
ActivityDefinition ReadActivityValue(std::u16string_view value);

// The entries joined by ",", "|", and "每日" when daily, otherwise the names of the ticked
// weekdays, Monday first, joined by ",".
std::u16string ComposeActivityValue(const ActivityDefinition& definition);
