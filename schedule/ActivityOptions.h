#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The options of an activity, the text after the second "|" of its value:
// "时区=Asia/Shanghai;起=2026-12-01;提前=10". Pairs "键=值" separated by ";" (full-width "；" and
// "＝" read as ASCII), spaces and ideographic spaces trimmed around keys and values.
struct ActivityOptions {
    std::u16string zone;  // 时区, as written: an IANA name or a fixed offset (UTC+8); empty: none
    std::optional<std::chrono::year_month_day> firstDay;  // 起, inclusive, a day of the zone
    std::optional<std::chrono::year_month_day> lastDay;   // 止, inclusive
    std::optional<int> everyDays;                         // 每隔: from 起 on, every N days
    std::vector<int> monthDays;             // 每月: ascending, each once; empty: none
    std::optional<std::vector<int>> leads;  // 提前: replaces 提前提醒 for this one
    bool notify = true;                     // 通知=0: no notification at all
    // Pairs of keys the program does not know, as written, kept for writing back.
    std::vector<std::pair<std::u16string, std::u16string>> unknown;
    friend bool operator==(const ActivityOptions&, const ActivityOptions&) = default;
};

// An option that cannot be used; the activity counts as if it were absent.
struct OptionProblem {
    enum class Kind {
        UnknownKey,
        NotADate,           // 起 or 止 is not a real YYYY-MM-DD date
        EveryWithoutFirst,  // 每隔 without a usable 起
        OutOfRange,  // 每隔 outside 1–366, a day of 每月 outside 1–31, a lead outside 1–120
        Unreadable,  // not a number, or not a list of numbers
        NoSuchZone,  // 时区 names no zone of the time-zone database
    };
    std::u16string key;  // as written, trimmed
    std::u16string value;
    Kind kind = Kind::UnknownKey;
    friend bool operator==(const OptionProblem&, const OptionProblem&) = default;
};

struct ParsedOptions {
    ActivityOptions options;
    std::vector<OptionProblem> problems;
};

// Reads the options text; an empty text gives the defaults. Does not check that the zone exists
// (see CheckZone in schedule/ActivityZone.h).
ParsedOptions ParseActivityOptions(std::u16string_view text);

// The options text for ParseActivityOptions, keys in the order 时区;起;止;每隔;每月;提前;通知, only
// those that differ from the defaults, then the unknown pairs as written. Empty for the defaults.
std::u16string ComposeActivityOptions(const ActivityOptions& options);

// Whether 起, 止, 每隔 and 每月 let the activity count on the day (a day of the activity's zone).
bool CountsOn(const ActivityOptions& options, std::chrono::year_month_day day);
