#include "schedule/CalendarRecurrence.h"

#include <array>

#include "schedule/ActivityValue.h"
#include "schedule/ScheduleText.h"

namespace {

using std::chrono::days;
using std::chrono::local_days;
using std::chrono::year_month_day;

constexpr std::array<const char*, 7> kDayCodes = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};
constexpr days kLongestSearch{8 * 366};

unsigned IsoWeekday(local_days day) {
    return std::chrono::weekday{day}.iso_encoding();
}

}  // namespace

std::optional<CalendarRecurrence> RecurrenceOf(std::u16string_view weekdayText,
                                               const ActivityOptions& options) {
    WeekdayTicks ticks{};
    bool everyWeekday = true;
    std::string byDay;
    for (int day = 1; day <= 7; ++day) {
        ticks[day - 1] = RunsOn(weekdayText, Get星期文本(day));
        everyWeekday = everyWeekday && ticks[day - 1];
        if (ticks[day - 1])
            byDay += std::string(byDay.empty() ? "" : ",") + kDayCodes[day - 1];
    }
    const local_days from = options.firstDay ? local_days{*options.firstDay} : kFirstCalendarDay;
    std::optional<local_days> first;
    for (local_days day = from; day < from + kLongestSearch; day += days{1}) {
        if (options.lastDay && year_month_day{day} > *options.lastDay)
            break;
        if (ticks[IsoWeekday(day) - 1] && CountsOn(options, year_month_day{day})) {
            first = day;
            break;
        }
    }
    if (!first)
        return std::nullopt;
    std::string monthDays;
    for (const int monthDay : options.monthDays)
        monthDays += (monthDays.empty() ? "" : ",") + std::to_string(monthDay);
    std::string rule;
    if (options.everyDays) {
        rule = "FREQ=DAILY;INTERVAL=" + std::to_string(*options.everyDays);
        if (!monthDays.empty())
            rule += ";BYMONTHDAY=" + monthDays;
    } else if (!monthDays.empty()) {
        rule = "FREQ=MONTHLY;BYMONTHDAY=" + monthDays;
    } else {
        rule = everyWeekday ? "FREQ=DAILY" : "FREQ=WEEKLY";
    }
    if (!everyWeekday)
        rule += ";BYDAY=" + byDay;
    return CalendarRecurrence{*first, rule};
}
