#pragma once

#include "schedule/LocalTime.h"

// The local date and time of this machine, now: the clock of the running program.
LocalTime SystemLocalTime();
