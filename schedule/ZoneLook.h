#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "schedule/ActivityZone.h"
#include "schedule/LocalTime.h"
#include "schedule/TimeZones.h"

// The zones of one look at the clock: each written zone is read and asked for once, and the
// change of offset around each day of a zone is found once.
class ZoneLook {
  public:
    using ZoneIndex = std::size_t;
    static constexpr ZoneIndex kLocal = 0;

    explicit ZoneLook(const ZoneContext& context);

    // The zone of an activity whose options name the written 时区: that zone, or when it is empty
    // or names none the context's default zone, or else the local one.
    ZoneIndex ZoneFor(std::u16string_view written);

    std::chrono::seconds OffsetAt(ZoneIndex zone, std::chrono::sys_seconds instant);
    // The instant of a moment of the zone's wall clock. A moment the zone skips is the first one
    // after the gap; a moment it repeats is its first occurrence.
    std::chrono::sys_seconds ToInstant(ZoneIndex zone, LocalMoment wall);
    LocalMoment ToWall(ZoneIndex zone, std::chrono::sys_seconds instant);
    // The moments of the day's wall clock that the zone skips, [first, end); nothing when none.
    std::optional<std::pair<LocalMoment, LocalMoment>> GapOn(ZoneIndex zone,
                                                             std::chrono::local_days day);

  private:
    // The offsets before and after the one change of offset near a day (equal when none).
    struct Change {
        std::chrono::local_days day;
        std::chrono::seconds before{0};
        std::chrono::seconds after{0};
        std::chrono::sys_seconds instant;
    };
    struct Zone {
        std::u16string written;
        ActivityZone zone;
        std::vector<Change> changes;
        // The last offset asked for: a look asks for the same instant for each activity.
        std::optional<std::pair<std::chrono::sys_seconds, std::chrono::seconds>> lastOffset{};
    };

    const Change& ChangeNear(ZoneIndex zone, std::chrono::local_days day);

    const TimeZones* database;
    std::u16string defaultZone;
    std::vector<Zone> zones;
};

// The instant a moment of the local wall clock stands for, as ZoneLook::ToInstant reads it.
std::chrono::sys_seconds LocalInstant(const ZoneContext& context, LocalMoment local);

// The local wall clock the given time after the local moment.
LocalMoment LocalAfter(const ZoneContext& context, LocalMoment local, std::chrono::seconds span);
