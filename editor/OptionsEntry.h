#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "schedule/ActivityOptions.h"
#include "schedule/TimeZones.h"
#include "text/Outcome.h"

// Turning what the task editor's 更多选项 hold into an activity's options, and back.

// The zone choice that writes no 时区: the file's 时区, or else the local zone.
inline constexpr std::u16string_view kDefaultZoneChoice = u"默认";
// The leads choice that writes no 提前: the global 提前提醒.
inline constexpr std::u16string_view kGlobalLeadsChoice = u"同提前提醒";

// The 更多选项 as the user left them.
struct OptionsEntry {
    std::u16string zone = std::u16string(kDefaultZoneChoice);  // as typed
    std::optional<std::chrono::year_month_day> firstDay;       // none: switched off
    std::optional<std::chrono::year_month_day> lastDay;
    std::optional<int> everyDays;             // none: switched off; else 1–366
    std::optional<std::u16string> monthDays;  // as typed, "1,16"; none: switched off
    std::u16string leads = std::u16string(kGlobalLeadsChoice);  // as typed, "10,5" or "0"
    bool notify = true;
    // The options of the loaded activity the editor does not know, as written.
    std::vector<std::pair<std::u16string, std::u16string>> unknown;
    friend bool operator==(const OptionsEntry&, const OptionsEntry&) = default;
};

// What keeps the 更多选项 from being stored, in the order they are checked.
enum class OptionsEntryProblem {
    None,
    NoSuchZone,         // neither a fixed offset (UTC+8) nor a zone of the database
    LastBeforeFirst,    // the last day before the first
    EveryWithoutFirst,  // every N days needs the day it counts from
    BadMonthDays,       // not days from 1 to 31 separated by ","
    BadLeads,           // not minutes from 1 to 120 separated by ",", nor "0"
};

// The options of the entry. A blank zone or kDefaultZoneChoice, and blank leads or
// kGlobalLeadsChoice, give none; the zone and the leads are trimmed of spaces.
Outcome<ActivityOptions, OptionsEntryProblem> ComposeOptionsEntry(const OptionsEntry& entry,
                                                                  const TimeZones& zones);

// The entry that shows the options; ComposeOptionsEntry gives them back.
OptionsEntry EntryOfOptions(const ActivityOptions& options);

// The value of an activity: its definition (times "|" weekdays), then "|" and the options text
// when there is one, so that an activity without options is written as before.
std::u16string AppendOptions(std::u16string definition, const ActivityOptions& options);

// The message for the problem; empty for none.
std::u16string DescribeOptionsEntryProblem(OptionsEntryProblem problem);
