#include "platform/LocalCalendarTime.h"

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_r(&moment, &parts);
    return parts;
}
