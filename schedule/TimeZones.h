#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

// A change of a zone's offset from UTC.
struct ZoneTransition {
    std::chrono::sys_seconds instant;
    std::chrono::seconds offsetBefore{0};
    std::chrono::seconds offsetAfter{0};
    bool daylightAfter = false;  // daylight-saving time from the instant on
    friend bool operator==(const ZoneTransition&, const ZoneTransition&) = default;
};

// The time-zone database the schedule asks: IANA zones and the local zone of this machine.
class TimeZones {
  public:
    // Whether the database knows the IANA name ("Asia/Shanghai").
    virtual bool Exists(std::u16string_view ianaName) const = 0;
    // The zone's offset from UTC at the instant; 0 for a name the database does not know.
    virtual std::chrono::seconds OffsetAt(std::u16string_view ianaName,
                                          std::chrono::sys_seconds instant) const = 0;
    // The local zone's offset from UTC at the instant.
    virtual std::chrono::seconds LocalOffsetAt(std::chrono::sys_seconds instant) const = 0;
    // The zone's changes of offset after the first instant and up to the last, in time order; none
    // for a name the database does not know.
    virtual std::vector<ZoneTransition> TransitionsBetween(std::u16string_view ianaName,
                                                           std::chrono::sys_seconds after,
                                                           std::chrono::sys_seconds upTo) const = 0;
    // The IANA name of the local zone ("Europe/Berlin"), whose offsets LocalOffsetAt gives.
    virtual std::u16string LocalZoneName() const = 0;

  protected:
    ~TimeZones() = default;
};

// What the schedule needs to place an activity's times: the database, and the zone of activities
// that name none.
struct ZoneContext {
    const TimeZones* zones = nullptr;  // none: the local zone is UTC and no IANA name is known
    std::u16string defaultZone;  // as written, like 时区 of an activity; empty: the local zone
};
