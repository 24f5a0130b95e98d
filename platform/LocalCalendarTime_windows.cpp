#include "platform/LocalCalendarTime.h"

std::tm LocalCalendarTime(std::time_t moment) {
    std::tm parts{};
    localtime_s(&parts, &moment);
    return parts;
}
