#include "schedule/LocalTime.h"

#include <ctime>

LocalTime SystemLocalTime() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    using namespace std::chrono;
    return LocalTime{
        year_month_day{year{parts.tm_year + 1900}, month{static_cast<unsigned>(parts.tm_mon + 1)},
                       day{static_cast<unsigned>(parts.tm_mday)}},
        parts.tm_hour, parts.tm_min, parts.tm_sec};
}
