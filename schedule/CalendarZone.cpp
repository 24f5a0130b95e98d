#include "schedule/CalendarZone.h"

#include <algorithm>
#include <array>
#include <limits>

#include "schedule/ActivityZone.h"
#include "schedule/CalendarText.h"
#include "text/Utf8Text.h"

namespace {

using std::chrono::days;
using std::chrono::local_seconds;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

// The changes are asked for up to here at least.
constexpr sys_days kRulesKnownUntil{std::chrono::year{2040} / 1 / 1};
constexpr days kLeastSpan{3 * 366};
constexpr std::array<const char*, 7> kDayCodes = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

CalendarZone FromActivityZone(const ActivityZone& zone) {
    if (zone.kind == ActivityZone::Kind::Fixed) {
        return {zone.offset == seconds{0} ? "UTC" : "UTC" + CalendarOffset(zone.offset),
                zone.offset,
                {}};
    }
    return {EncodeUtf8(zone.name), std::nullopt, zone.name};
}

seconds OffsetOf(const CalendarZone& zone, sys_seconds instant, const TimeZones* zones) {
    if (zone.fixedOffset)
        return *zone.fixedOffset;
    return zones->OffsetAt(zone.ianaName, instant);
}

local_seconds WallOf(sys_seconds instant, seconds offset) {
    return local_seconds{instant.time_since_epoch() + offset};
}

// A yearly rule that a change of offset follows: the month, the weekday and which of the month
// (-1 the last), the wall-clock time before the change, the offsets and the kind of time after.
struct YearlyRule {
    unsigned month = 0;
    int ordinal = 0;
    unsigned weekday = 0;  // ISO: 1 Monday .. 7 Sunday
    seconds timeOfDay{0};
    seconds before{0};
    seconds after{0};
    bool daylight = false;
    friend bool operator==(const YearlyRule&, const YearlyRule&) = default;
};

// The changes of one rule in consecutive years.
struct Run {
    YearlyRule rule;
    ZoneTransition first;
    ZoneTransition last;
    int lastYear = 0;
    int count = 0;
};

YearlyRule RuleOf(const ZoneTransition& change, int& year) {
    const local_seconds wall = WallOf(change.instant, change.offsetBefore);
    const auto day = std::chrono::floor<days>(wall);
    const year_month_day date{day};
    year = static_cast<int>(date.year());
    const unsigned dayOfMonth = static_cast<unsigned>(date.day());
    const unsigned monthLength =
        static_cast<unsigned>(year_month_day{date.year() / date.month() / std::chrono::last}.day());
    const int ordinal =
        dayOfMonth + 7 > monthLength ? -1 : static_cast<int>((dayOfMonth - 1) / 7 + 1);
    return {static_cast<unsigned>(date.month()),
            ordinal,
            std::chrono::weekday{day}.iso_encoding(),
            wall - day,
            change.offsetBefore,
            change.offsetAfter,
            change.daylightAfter};
}

void AppendObservance(std::vector<std::string>& lines, bool daylight, local_seconds start,
                      seconds before, seconds after, const std::string& rule) {
    const char* kind = daylight ? "DAYLIGHT" : "STANDARD";
    lines.push_back(std::string("BEGIN:") + kind);
    lines.push_back("DTSTART:" + CalendarLocalTime(start));
    lines.push_back("TZOFFSETFROM:" + CalendarOffset(before));
    lines.push_back("TZOFFSETTO:" + CalendarOffset(after));
    if (!rule.empty())
        lines.push_back("RRULE:" + rule);
    lines.push_back(std::string("END:") + kind);
}

}  // namespace

CalendarZone CalendarZoneFor(std::u16string_view written, const ZoneContext& context) {
    if (const std::optional<ActivityZone> zone = ReadZone(written, context.zones))
        return FromActivityZone(*zone);
    if (const std::optional<ActivityZone> zone = ReadZone(context.defaultZone, context.zones))
        return FromActivityZone(*zone);
    if (context.zones == nullptr)
        return {"UTC", seconds{0}, {}};
    const std::u16string local = context.zones->LocalZoneName();
    if (!context.zones->Exists(local))
        return {"UTC", seconds{0}, {}};
    return {EncodeUtf8(local), std::nullopt, local};
}

sys_seconds CalendarInstant(const CalendarZone& zone, local_seconds wall, const TimeZones* zones) {
    const sys_seconds asUtc{wall.time_since_epoch()};
    const seconds before = OffsetOf(zone, asUtc - days{1}, zones);
    const seconds after = OffsetOf(zone, asUtc + days{1}, zones);
    if (OffsetOf(zone, asUtc - before, zones) == before ||
        OffsetOf(zone, asUtc - after, zones) != after) {
        return asUtc - before;
    }
    return asUtc - after;
}

std::vector<std::string> DescribeCalendarZone(const CalendarZone& zone, sys_days firstDay,
                                              const TimeZones* zones) {
    std::vector<std::string> lines = {"BEGIN:VTIMEZONE", "TZID:" + zone.id};
    const sys_seconds from{firstDay - days{1}};
    const seconds initial = OffsetOf(zone, from, zones);
    std::vector<ZoneTransition> changes;
    const sys_days upTo = std::max(kRulesKnownUntil, firstDay + kLeastSpan);
    if (!zone.fixedOffset)
        changes = zones->TransitionsBetween(zone.ianaName, from, sys_seconds{upTo});
    AppendObservance(lines, !changes.empty() && !changes.front().daylightAfter,
                     WallOf(from, initial), initial, initial, {});
    std::vector<Run> runs;
    for (const ZoneTransition& change : changes) {
        int year = 0;
        const YearlyRule rule = RuleOf(change, year);
        const auto run = std::find_if(runs.begin(), runs.end(), [&](const Run& run) {
            return run.rule == rule && run.lastYear == year - 1;
        });
        if (run == runs.end()) {
            runs.push_back({rule, change, change, year, 1});
        } else {
            run->last = change;
            run->lastYear = year;
            ++run->count;
        }
    }
    // The rules still followed at the last change the database lists (it lists them only so far)
    // go on; none does when that change was one of its own.
    int ongoingFrom = std::numeric_limits<int>::max();
    if (!runs.empty()) {
        const auto latest = std::max_element(
            runs.begin(), runs.end(),
            [](const Run& a, const Run& b) { return a.last.instant < b.last.instant; });
        if (latest->count > 1)
            ongoingFrom = latest->lastYear - 1;
    }
    for (const Run& run : runs) {
        std::string rule;
        if (run.count > 1) {
            rule = "FREQ=YEARLY;BYMONTH=" + std::to_string(run.rule.month) +
                   ";BYDAY=" + std::to_string(run.rule.ordinal) + kDayCodes[run.rule.weekday - 1];
            if (run.lastYear < ongoingFrom)
                rule += ";UNTIL=" + CalendarUtcTime(run.last.instant);
        }
        AppendObservance(lines, run.rule.daylight, WallOf(run.first.instant, run.rule.before),
                         run.rule.before, run.rule.after, rule);
    }
    lines.push_back("END:VTIMEZONE");
    return lines;
}
