#include "schedule/ZoneLook.h"

#include <algorithm>

namespace {

using std::chrono::days;
using std::chrono::local_days;
using std::chrono::minutes;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

}  // namespace

ZoneLook::ZoneLook(const ZoneContext& context)
    : database(context.zones), defaultZone(context.defaultZone) {
    zones.push_back({{}, ActivityZone{}, {}});
}

ZoneLook::ZoneIndex ZoneLook::ZoneFor(std::u16string_view written) {
    if (written.empty())
        written = defaultZone;
    if (written.empty())
        return kLocal;
    for (ZoneIndex index = 1; index < zones.size(); ++index) {
        if (zones[index].written == written)
            return index;
    }
    std::optional<ActivityZone> zone = ReadZone(written, database);
    if (!zone && written != defaultZone) {
        zone = ReadZone(defaultZone, database);
    }
    zones.push_back({std::u16string(written), zone.value_or(ActivityZone{}), {}});
    return zones.size() - 1;
}

seconds ZoneLook::OffsetAt(ZoneIndex index, sys_seconds instant) {
    Zone& zone = zones[index];
    if (zone.lastOffset && zone.lastOffset->first == instant)
        return zone.lastOffset->second;
    seconds offset{0};
    switch (zone.zone.kind) {
        case ActivityZone::Kind::Fixed:
            offset = zone.zone.offset;
            break;
        case ActivityZone::Kind::Named:
            offset = database->OffsetAt(zone.zone.name, instant);
            break;
        case ActivityZone::Kind::Local:
            if (database != nullptr)
                offset = database->LocalOffsetAt(instant);
            break;
    }
    zone.lastOffset = std::pair{instant, offset};
    return offset;
}

const ZoneLook::Change& ZoneLook::ChangeNear(ZoneIndex index, local_days day) {
    std::vector<Change>& changes = zones[index].changes;
    const auto known =
        std::find_if(changes.begin(), changes.end(), [&](const Change& c) { return c.day == day; });
    if (known != changes.end())
        return *known;
    // From a day before the day's wall clock begins to a day after it ends, whatever the offset.
    sys_seconds low{sys_days{day.time_since_epoch()} - days{1}};
    sys_seconds high = low + days{3};
    Change change{day, OffsetAt(index, low), OffsetAt(index, high), high};
    if (change.before != change.after) {
        // Offsets change at whole minutes.
        while (high - low > minutes{1}) {
            const sys_seconds middle = low + std::chrono::floor<minutes>((high - low) / 2);
            (OffsetAt(index, middle) == change.before ? low : high) = middle;
        }
        change.instant = high;
    }
    changes.push_back(change);
    return changes.back();
}

sys_seconds ZoneLook::ToInstant(ZoneIndex index, LocalMoment wall) {
    const Change& change = ChangeNear(index, std::chrono::floor<days>(wall));
    const sys_seconds asUtc{wall.time_since_epoch()};
    if (change.before == change.after || asUtc - change.before < change.instant)
        return asUtc - change.before;
    if (asUtc - change.after < change.instant)
        return change.instant;  // skipped: the first moment after the gap
    return asUtc - change.after;
}

LocalMoment ZoneLook::ToWall(ZoneIndex index, sys_seconds instant) {
    const Change& change =
        ChangeNear(index, local_days{std::chrono::floor<days>(instant).time_since_epoch()});
    const seconds offset = instant < change.instant ? change.before : change.after;
    return LocalMoment{(instant + offset).time_since_epoch()};
}

std::optional<std::pair<LocalMoment, LocalMoment>> ZoneLook::GapOn(ZoneIndex index,
                                                                   local_days day) {
    const Change& change = ChangeNear(index, day);
    if (change.after <= change.before)
        return std::nullopt;
    const LocalMoment first{(change.instant + change.before).time_since_epoch()};
    const LocalMoment end{(change.instant + change.after).time_since_epoch()};
    if (end <= day || first >= day + days{1})
        return std::nullopt;
    return std::pair{first, end};
}

sys_seconds LocalInstant(const ZoneContext& context, LocalMoment local) {
    return ZoneLook(context).ToInstant(ZoneLook::kLocal, local);
}

LocalMoment LocalAfter(const ZoneContext& context, LocalMoment local, seconds span) {
    ZoneLook look(context);
    return look.ToWall(ZoneLook::kLocal, look.ToInstant(ZoneLook::kLocal, local) + span);
}
