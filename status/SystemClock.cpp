#include "status/SystemClock.h"

#include <ctime>

#include "platform/Session.h"

LocalTime SystemLocalTime() {
    const std::time_t utcNow = std::time(nullptr);
    const std::tm parts = LocalCalendarTime(utcNow);
    using namespace std::chrono;
    LocalTime now{
        year_month_day{year{parts.tm_year + 1900}, month{static_cast<unsigned>(parts.tm_mon + 1)},
                       day{static_cast<unsigned>(parts.tm_mday)}},
        parts.tm_hour, parts.tm_min, parts.tm_sec};
    // The local wall clock read as if it were UTC, less the UTC now.
    now.utcOffset = MomentOf(now).time_since_epoch() -
                    floor<seconds>(system_clock::from_time_t(utcNow).time_since_epoch());
    return now;
}
