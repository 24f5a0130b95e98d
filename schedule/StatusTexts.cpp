#include "schedule/StatusTexts.h"

#include <utility>

#include "schedule/ActivityEntries.h"
#include "schedule/ScheduleText.h"
#include "schedule/SoonText.h"
#include "schedule/ZoneLook.h"

namespace {

constexpr std::int32_t kLookAheadMinutes = 30;
constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr std::u16string_view kNowHeader = u"*当前可参与*";
constexpr std::u16string_view kNowEmpty = u"当前可参与：无";
constexpr std::u16string_view kSoonHeader = u"*30分钟内开启*";
constexpr std::u16string_view kSoonEmpty = u"30分钟内开启：无";

// One list of the status texts: the header, then "N. name display" lines, each after a line break.
class StatusList {
  public:
    StatusList(std::u16string_view header, std::u16string_view emptyText)
        : text(header), emptyText(emptyText) {}

    void AddLine(std::u16string_view name, std::u16string_view display) {
        ++count;
        char16_t digits[20];
        std::size_t length = 0;
        for (std::uint64_t rest = count; rest > 0; rest /= 10) {
            digits[length++] = static_cast<char16_t>(u'0' + rest % 10);
        }
        text += kLineBreak;
        while (length > 0)
            text.push_back(digits[--length]);
        text += u". ";
        text += name;
        text.push_back(u' ');
        text += display;
    }

    std::u16string Finish() && {
        if (count == 0)
            return std::u16string(emptyText);
        return std::move(text);
    }

  private:
    std::u16string text;
    std::u16string_view emptyText;
    std::uint64_t count = 0;
};

constexpr std::int32_t kMinutesPerDay = 24 * 60;

// The clock time of a minute of the day, taken modulo a day.
ClockTime ClockOfMinute(std::int32_t minute) {
    minute = (minute % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    return {static_cast<std::int16_t>(minute / 60), static_cast<std::int16_t>(minute % 60)};
}

std::u16string Span(ClockTime start, ClockTime end) {
    return FormatClock(start) + u"-" + FormatClock(end);
}

// Where an activity's entries stand for this look: the current minute on its zone's wall clock,
// the minutes of the day its zone skips, and how far the local clock is ahead of the zone's.
struct Placement {
    ClockTime current;
    std::int32_t gapFirst = 0;  // [gapFirst, gapEnd): skipped; equal when nothing is
    std::int32_t gapEnd = 0;
    std::int32_t toLocal = 0;
};

class StatusEvaluation final : public EntryVisitor {
  public:
    StatusEvaluation(ClockTime localCurrent, std::int16_t durationMinutes)
        : localCurrent(MinuteOfDay(localCurrent)), durationMinutes(durationMinutes) {}

    void BeginTask(const cTask& next, const Placement& where, bool notifies) {
        task = &next;
        placement = where;
        notifying = notifies;
    }

    void OnEntry(const EntryView& entry) override {
        const bool fixed = task->任务类型 == ActivityKind::FixedTimes;
        const std::int32_t currentMinute = MinuteOfDay(placement.current);
        ClockTime start = entry.start;
        ClockTime end = entry.end;
        std::int32_t startMinute = MinuteOfDay(start);
        const bool moved = placement.gapFirst <= startMinute && startMinute < placement.gapEnd;
        if (moved) {
            start = ClockOfMinute(placement.gapEnd);
            startMinute = placement.gapEnd;
            if (fixed)
                end = AddMinutesToClock(start, durationMinutes);
        }
        // Shown as written unless the times move.
        const bool asWritten = !moved && placement.toLocal == 0;
        const ClockTime localStart = ClockOfMinute(startMinute + placement.toLocal);
        if (IsClockInRange(placement.current, start, end)) {
            const std::u16string display =
                asWritten ? std::u16string(entry.displayText)
                          : Span(localStart, ClockOfMinute(MinuteOfDay(end) + placement.toLocal));
            now.AddLine(task->任务名, display);
            // Minutes since the start, on the local clock: after the current minute when it
            // opened the day before.
            const std::int32_t elapsed =
                ((currentMinute - startMinute) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
            open.push_back(
                {task->任务名, display, task->任务类型,
                 asWritten ? startMinute : MinuteOfDay(ClockOfMinute(localCurrent - elapsed)),
                 notifying});
        } else if (const std::int32_t ahead = MinutesAhead(currentMinute, startMinute);
                   0 < ahead && ahead <= kLookAheadMinutes) {
            const std::u16string span =
                asWritten ? std::u16string(entry.displayText)
                          : Span(localStart, ClockOfMinute(MinuteOfDay(end) + placement.toLocal));
            soon.AddLine(task->任务名, asWritten ? SoonText(task->任务类型, entry)
                                       : fixed   ? FormatClock(localStart) + u"开启"
                                                 : span);
            // In the soon entries a fixed time point is its start alone, without "开启".
            opening.push_back(
                {task->任务名, fixed ? FormatClock(asWritten ? entry.start : localStart) : span,
                 task->任务类型, localCurrent + (startMinute - currentMinute), notifying});
        }
    }

    // Real minutes from the current minute to a start later in the day: the skipped ones do not
    // count.
    std::int32_t MinutesAhead(std::int32_t currentMinute, std::int32_t startMinute) const {
        std::int32_t ahead = startMinute - currentMinute;
        if (currentMinute < placement.gapFirst && placement.gapEnd <= startMinute)
            ahead -= placement.gapEnd - placement.gapFirst;
        return ahead;
    }

    // An unreadable entry is left out; the other entries still count.
    void OnProblem(std::u16string_view, ScheduleError) override {}

    StatusTexts Finish() && {
        return {std::move(now).Finish(), std::move(soon).Finish(), std::move(open),
                std::move(opening)};
    }

  private:
    std::int32_t localCurrent;
    std::int16_t durationMinutes;
    const cTask* task = nullptr;
    Placement placement;
    bool notifying = true;
    StatusList now{kNowHeader, kNowEmpty};
    StatusList soon{kSoonHeader, kSoonEmpty};
    std::vector<OpenEntry> open;
    std::vector<OpenEntry> opening;
};

}  // namespace

StatusTexts ComputeStatusTexts(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                               const LocalTime& now, const ZoneContext& context) {
    using std::chrono::days;
    using std::chrono::floor;
    const ClockTime localClock{static_cast<std::int16_t>(now.hour),
                               static_cast<std::int16_t>(now.minute)};
    StatusEvaluation evaluation(localClock, durationMinutes);
    ZoneLook zones(context);
    const std::chrono::sys_seconds instant = InstantOf(now);
    const ActivityOptions none;
    std::u16string lastOptionsText;
    ActivityOptions lastOptions;
    for (const cTask& task : tasks) {
        // Activities often share their options: those of the one before are read once.
        if (!task.options.empty() && task.options != lastOptionsText) {
            lastOptions = ParseActivityOptions(task.options).options;
            lastOptionsText = task.options;
        }
        const ActivityOptions& options = task.options.empty() ? none : lastOptions;
        const ZoneLook::ZoneIndex zone = zones.ZoneFor(options.zone);
        // The local zone's offset now is the clock's.
        const std::chrono::seconds offset =
            zone == ZoneLook::kLocal ? now.utcOffset : zones.OffsetAt(zone, instant);
        const LocalMoment wall = zone == ZoneLook::kLocal
                                     ? MomentOf(now)
                                     : LocalMoment{(instant + offset).time_since_epoch()};
        const std::chrono::local_days day = floor<days>(wall);
        const std::chrono::year_month_day date{day};
        if (!CountsOn(options, date))
            continue;
        Placement placement;
        if (zone == ZoneLook::kLocal) {
            placement.current = localClock;
        } else {
            const std::chrono::hh_mm_ss clock{wall - day};
            placement.current = {static_cast<std::int16_t>(clock.hours().count()),
                                 static_cast<std::int16_t>(clock.minutes().count())};
            placement.toLocal = static_cast<std::int32_t>(
                floor<std::chrono::minutes>(now.utcOffset - offset).count());
        }
        if (const auto gap = zones.GapOn(zone, day)) {
            placement.gapFirst =
                static_cast<std::int32_t>(floor<std::chrono::minutes>(gap->first - day).count());
            placement.gapEnd =
                static_cast<std::int32_t>(floor<std::chrono::minutes>(gap->second - day).count());
        }
        evaluation.BeginTask(task, placement, options.notify);
        VisitActivityForToday(
            task, durationMinutes,
            Get星期文本(static_cast<int>(std::chrono::weekday{day}.iso_encoding())), evaluation);
    }
    return std::move(evaluation).Finish();
}
