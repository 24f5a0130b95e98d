#pragma once

#include <chrono>
#include <string>
#include <string_view>

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

  protected:
    ~TimeZones() = default;
};

// What the schedule needs to place an activity's times: the database, and the zone of activities
// that name none.
struct ZoneContext {
    const TimeZones* zones = nullptr;  // none: the local zone is UTC and no IANA name is known
    std::u16string defaultZone;  // as written, like 时区 of an activity; empty: the local zone
};
