#pragma once

#include <optional>

#include "schedule/TimeZones.h"

// Answers the command-line options that need no window (-h, -v, --status, --check, --ics and
// unknown ones) on the standard streams, before anything of the window is set up: no display is
// needed, nothing is created or changed, and the single-instance check is not made. Returns the
// exit code then; nothing when the status window is to open. zones is the time-zone database the
// status, the check and the calendar use.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, const TimeZones& zones);
