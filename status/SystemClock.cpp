#include "status/SystemClock.h"

#include <ctime>

#include "platform/Session.h"

LocalTime SystemLocalTime() {
    const std::tm parts = LocalCalendarTime(std::time(nullptr));
    using namespace std::chrono;
    return LocalTime{
        year_month_day{year{parts.tm_year + 1900}, month{static_cast<unsigned>(parts.tm_mon + 1)},
                       day{static_cast<unsigned>(parts.tm_mday)}},
        parts.tm_hour, parts.tm_min, parts.tm_sec};
}
