#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/TimeZones.h"

// The zone of an activity's times in the calendar export: its TZID and where its offsets come from.
struct CalendarZone {
    std::string id;  // the TZID: the IANA name, or "UTC+0800" for a fixed offset
    std::optional<std::chrono::seconds> fixedOffset;
    std::u16string ianaName;  // for a zone of the database
    friend bool operator==(const CalendarZone&, const CalendarZone&) = default;
};

// The zone of an activity whose options name the written 时区: that zone, or when it is empty or
// names none the context's default zone, or else the local zone under its IANA name (UTC without
// a database).
CalendarZone CalendarZoneFor(std::u16string_view written, const ZoneContext& context);

// The instant of a moment of the zone's wall clock; a moment the zone skips or repeats is read
// with the offset before the change.
std::chrono::sys_seconds CalendarInstant(const CalendarZone& zone, std::chrono::local_seconds wall,
                                         const TimeZones* zones);

// The VTIMEZONE of the zone, its content lines unfolded, for events from the first day on: its
// offsets and their changes from the database, as yearly rules wherever the changes follow one.
std::vector<std::string> DescribeCalendarZone(const CalendarZone& zone,
                                              std::chrono::sys_days firstDay,
                                              const TimeZones* zones);
