#include "schedule/Openings.h"

#include <algorithm>

#include "schedule/ActivityEntries.h"
#include "schedule/ActivityOptions.h"
#include "schedule/ScheduleText.h"
#include "schedule/SoonText.h"
#include "schedule/ZoneLook.h"

namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::local_days;
using std::chrono::minutes;

constexpr std::int32_t kMinutesPerDay = 24 * 60;
constexpr int kDaysAhead = 7;

ClockTime ClockOf(LocalMoment moment) {
    const std::chrono::hh_mm_ss clock{floor<minutes>(moment - floor<days>(moment))};
    return {static_cast<std::int16_t>(clock.hours().count()),
            static_cast<std::int16_t>(clock.minutes().count())};
}

// Collects the openings of one activity on one day of its zone that fall between the moments.
class DayOpenings final : public EntryVisitor {
  public:
    DayOpenings(ZoneLook& zones, ZoneLook::ZoneIndex zone, local_days day, const cTask& task,
                const ActivityOptions& options, LocalMoment after, LocalMoment upTo,
                std::vector<Opening>& openings)
        : zones(zones),
          zone(zone),
          day(day),
          task(task),
          options(options),
          after(after),
          upTo(upTo),
          openings(openings) {}

    void OnEntry(const EntryView& entry) override {
        const std::int32_t start = MinuteOfDay(entry.start);
        if (start < 0 || start >= kMinutesPerDay)
            return;
        const LocalMoment wall = day + minutes{start};
        const LocalMoment local = Local(wall);
        if (local <= after || local > upTo)
            return;
        openings.push_back({task.任务类型, task.任务名, SoonTextAt(entry, wall, local), local,
                            options.leads, options.notify});
    }
    void OnProblem(std::u16string_view, ScheduleError) override {}

  private:
    LocalMoment Local(LocalMoment wall) {
        return zones.ToWall(ZoneLook::kLocal, zones.ToInstant(zone, wall));
    }

    // As written when the local clock shows the start as written, otherwise at local times.
    std::u16string SoonTextAt(const EntryView& entry, LocalMoment wall, LocalMoment local) {
        if (local == wall)
            return SoonText(task.任务类型, entry);
        if (task.任务类型 == ActivityKind::FixedTimes)
            return FormatClock(ClockOf(local)) + u"开启";
        std::int32_t end = MinuteOfDay(entry.end);
        if (end < MinuteOfDay(entry.start))
            end += kMinutesPerDay;
        return FormatClock(ClockOf(local)) + u"-" + FormatClock(ClockOf(Local(day + minutes{end})));
    }

    ZoneLook& zones;
    ZoneLook::ZoneIndex zone;
    local_days day;
    const cTask& task;
    const ActivityOptions& options;
    LocalMoment after;
    LocalMoment upTo;
    std::vector<Opening>& openings;
};

// Appends the openings of the activities between the moments, activity by activity.
void CollectOpenings(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                     LocalMoment after, LocalMoment upTo, ZoneLook& zones,
                     std::vector<Opening>& openings) {
    const ActivityOptions none;
    for (const cTask& task : tasks) {
        const ParsedOptions parsed =
            task.options.empty() ? ParsedOptions{} : ParseActivityOptions(task.options);
        const ActivityOptions& options = task.options.empty() ? none : parsed.options;
        const ZoneLook::ZoneIndex zone = zones.ZoneFor(options.zone);
        const auto onZoneClock = [&](LocalMoment local) {
            if (zone == ZoneLook::kLocal)
                return local;
            return zones.ToWall(zone, zones.ToInstant(ZoneLook::kLocal, local));
        };
        const LocalMoment zoneUpTo = onZoneClock(upTo);
        for (local_days day = floor<days>(onZoneClock(after)); day <= zoneUpTo; day += days{1}) {
            if (!CountsOn(options, std::chrono::year_month_day{day}))
                continue;
            DayOpenings visitor(zones, zone, day, task, options, after, upTo, openings);
            VisitActivityForToday(
                task, durationMinutes,
                Get星期文本(static_cast<int>(std::chrono::weekday{day}.iso_encoding())), visitor);
        }
    }
}

}  // namespace

std::vector<Opening> OpeningsBetween(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                                     LocalMoment after, LocalMoment upTo,
                                     const ZoneContext& context) {
    std::vector<Opening> openings;
    ZoneLook zones(context);
    CollectOpenings(tasks, durationMinutes, after, upTo, zones, openings);
    std::stable_sort(openings.begin(), openings.end(),
                     [](const Opening& a, const Opening& b) { return a.moment < b.moment; });
    return openings;
}

std::optional<LocalMoment> FirstOpeningAfter(const std::vector<cTask>& tasks,
                                             std::int16_t durationMinutes, LocalMoment after,
                                             const ZoneContext& context) {
    ZoneLook zones(context);
    const local_days first = floor<days>(after);
    std::vector<Opening> openings;
    // Day by day, so that the search ends at the first day with an opening.
    for (LocalMoment from = after, to = first + days{1} - std::chrono::seconds{1};
         to < first + days{kDaysAhead + 1}; from = to, to += days{1}) {
        CollectOpenings(tasks, durationMinutes, from, to, zones, openings);
        if (!openings.empty()) {
            return std::min_element(
                       openings.begin(), openings.end(),
                       [](const Opening& a, const Opening& b) { return a.moment < b.moment; })
                ->moment;
        }
    }
    return std::nullopt;
}
