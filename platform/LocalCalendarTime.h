#pragma once

#include <ctime>

// The calendar parts of a moment in the local time zone, taken in a thread-safe way.
std::tm LocalCalendarTime(std::time_t moment);
