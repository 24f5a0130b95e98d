#pragma once

#include <ctime>

#include "schedule/LocalTime.h"

// The local date and time of this machine, now.
LocalTime SystemLocalTime();

// The calendar parts of a moment in the local time zone, taken in a thread-safe way.
std::tm LocalCalendarTime(std::time_t moment);
