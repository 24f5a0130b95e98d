#include "schedule/Calendar.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "schedule/ActivityEntries.h"
#include "schedule/ActivityOptions.h"
#include "schedule/CalendarRecurrence.h"
#include "schedule/CalendarText.h"
#include "schedule/CalendarZone.h"
#include "text/Utf8Text.h"

namespace {

using std::chrono::days;
using std::chrono::local_days;
using std::chrono::minutes;

constexpr std::int32_t kMinutesPerDay = 24 * 60;
// The revision every export gives its events: the text depends only on the schedule, so that an
// export of an unchanged schedule is the same file.
constexpr std::string_view kStamp = "DTSTAMP:20260101T000000Z";

// A short, stable tag of the name for the UID.
std::string NameTag(std::u16string_view name) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const unsigned char octet : EncodeUtf8(name)) {
        hash ^= octet;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// What the events of one activity share.
struct ActivityEvents {
    const cTask& task;
    CalendarRecurrence recurrence;
    const CalendarZone& zone;
    std::string until;  // ";UNTIL=…", or empty
    std::int16_t durationMinutes = 0;
    std::vector<int> leads;
    bool notifies = true;
};

// Writes one VEVENT per entry, numbered by the entry's place in the time list.
class EventWriter final : public EntryVisitor {
  public:
    EventWriter(const ActivityEvents& activity, std::vector<std::string>& lines)
        : activity(activity), lines(lines) {}

    void OnEntry(const EntryView& entry) override {
        ++place;
        const std::int32_t start = MinuteOfDay(entry.start);
        // An entry that starts at no minute of the day never opens.
        if (start < 0 || start >= kMinutesPerDay)
            return;
        const std::string summary = EscapeCalendarText(activity.task.任务名);
        const std::string zone = ";TZID=" + activity.zone.id + ":";
        const local_days day = activity.recurrence.firstDay;
        lines.push_back("BEGIN:VEVENT");
        lines.push_back(
            "UID:quillot-" +
            std::string(activity.task.任务类型 == ActivityKind::FixedTimes ? "fixed" : "range") +
            "-" + NameTag(activity.task.任务名) + "-" + std::to_string(place));
        lines.emplace_back(kStamp);
        lines.push_back("DTSTART" + zone + CalendarLocalTime(day + minutes{start}));
        if (activity.task.任务类型 == ActivityKind::FixedTimes) {
            lines.push_back("DURATION:PT" + std::to_string(activity.durationMinutes) + "M");
        } else {
            lines.push_back("DTEND" + zone + CalendarLocalTime(day + minutes{RangeEnd(entry)}));
        }
        lines.push_back("RRULE:" + activity.recurrence.rule + activity.until);
        lines.push_back("SUMMARY:" + summary);
        if (activity.notifies) {
            for (const int lead : activity.leads)
                AppendAlarm(summary, "-PT" + std::to_string(lead) + "M");
            AppendAlarm(summary, "PT0M");
        }
        lines.push_back("END:VEVENT");
    }
    void OnProblem(std::u16string_view, ScheduleError) override { ++place; }

  private:
    // The end of a range in minutes from the start of its first day: on the next day when it runs
    // past midnight, at midnight when it names no minute of the day.
    static std::int32_t RangeEnd(const EntryView& entry) {
        const std::int32_t start = MinuteOfDay(entry.start);
        const std::int32_t end = MinuteOfDay(entry.end);
        if (end >= kMinutesPerDay)
            return kMinutesPerDay;
        return end < start ? end + kMinutesPerDay : end;
    }

    void AppendAlarm(const std::string& summary, const std::string& trigger) {
        lines.push_back("BEGIN:VALARM");
        lines.push_back("ACTION:DISPLAY");
        lines.push_back("DESCRIPTION:" + summary);
        lines.push_back("TRIGGER:" + trigger);
        lines.push_back("END:VALARM");
    }

    const ActivityEvents& activity;
    std::vector<std::string>& lines;
    int place = 0;
};

}  // namespace

std::string ComposeCalendar(const CalendarBasis& basis) {
    std::vector<std::string> events;
    // Each zone used, and the first day of its events.
    std::vector<std::pair<CalendarZone, local_days>> zones;
    for (const cTask& task : basis.tasks) {
        const ActivityOptions options = ParseActivityOptions(task.options).options;
        const std::optional<CalendarRecurrence> recurrence = RecurrenceOf(task.星期, options);
        if (!recurrence)
            continue;
        const CalendarZone zone = CalendarZoneFor(options.zone, basis.zones);
        auto used = std::find_if(zones.begin(), zones.end(),
                                 [&](const auto& known) { return known.first.id == zone.id; });
        if (used == zones.end()) {
            zones.emplace_back(zone, recurrence->firstDay);
            used = zones.end() - 1;
        }
        used->second = std::min(used->second, recurrence->firstDay);
        std::string until;
        if (options.lastDay) {
            // The last second of 止 on the zone's clock.
            until = ";UNTIL=" +
                    CalendarUtcTime(CalendarInstant(
                        zone, local_days{*options.lastDay} + days{1} - std::chrono::seconds{1},
                        basis.zones.zones));
        }
        const ActivityEvents activity{task,
                                      *recurrence,
                                      used->first,
                                      std::move(until),
                                      basis.durationMinutes,
                                      options.leads.value_or(basis.leads),
                                      options.notify};
        EventWriter writer(activity, events);
        VisitActivityEntries(task, basis.durationMinutes, writer);
    }
    std::string calendar;
    const auto write = [&](std::string_view line) { calendar += FoldCalendarLine(line); };
    write("BEGIN:VCALENDAR");
    write("VERSION:2.0");
    write("PRODID:-//Quillot//Quillot//ZH");
    write("CALSCALE:GREGORIAN");
    write("X-WR-CALNAME:Quillot");
    for (const auto& [zone, firstDay] : zones) {
        for (const std::string& line : DescribeCalendarZone(
                 zone, std::chrono::sys_days{firstDay.time_since_epoch()}, basis.zones.zones)) {
            write(line);
        }
    }
    for (const std::string& line : events)
        write(line);
    write("END:VCALENDAR");
    return calendar;
}
