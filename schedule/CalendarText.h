#pragma once

#include <chrono>
#include <string>
#include <string_view>

// The text forms of iCalendar (RFC 5545) that the calendar export writes.

// A TEXT value in UTF-8: "\", ";" and "," escaped by "\", and each line break (CR LF, LF or CR) as
// "\n".
std::string EscapeCalendarText(std::u16string_view text);

// One content line as written: CR LF ended, and folded before it passes 75 octets, each
// continuation starting with a space; a UTF-8 sequence is never split.
std::string FoldCalendarLine(std::string_view line);

// A wall-clock time of a zone: "20261201T200000".
std::string CalendarLocalTime(std::chrono::local_seconds time);

// A UTC time: "20261201T120000Z".
std::string CalendarUtcTime(std::chrono::sys_seconds time);

// An offset from UTC: "+0800", "-0330", with its seconds when it has any ("+005328").
std::string CalendarOffset(std::chrono::seconds offset);
