#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/ActivityOptions.h"
#include "schedule/TimeZones.h"

// The zone an activity's times and dates are written in.
struct ActivityZone {
    enum class Kind { Local, Fixed, Named };
    Kind kind = Kind::Local;
    std::chrono::seconds offset{0};  // for Fixed
    std::u16string name;             // for Named: the IANA name
    friend bool operator==(const ActivityZone&, const ActivityZone&) = default;
};

// "UTC", "UTC+8", "UTC+08:00", "UTC-5:30" as an offset from UTC (up to 14 hours either way);
// nothing for any other text.
std::optional<std::chrono::seconds> ParseFixedOffset(std::u16string_view text);

// The zone a written 时区 names: a fixed offset, or an IANA name the database knows; nothing
// otherwise (an empty text included).
std::optional<ActivityZone> ReadZone(std::u16string_view written, const TimeZones* zones);

// The "no such zone" problem of the options' 时区, when it names no zone (see ReadZone).
std::optional<OptionProblem> CheckZone(const ActivityOptions& options, const TimeZones* zones);
