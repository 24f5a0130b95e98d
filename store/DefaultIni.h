#pragma once

#include <filesystem>
#include <string>
#include <system_error>

#include "schedule/LocalTime.h"

// The 35-line default schedule, created at the given moment, lines ended by CR LF.
std::u16string DefaultIniText(const LocalTime& created);

// Writes the default schedule to the path in code page 936, atomically.
std::error_code WriteDefaultIni(const std::filesystem::path& path, const LocalTime& created);

// Writes the default schedule, created at the clock's time, when no file exists at the path.
std::error_code EnsureIniFile(const std::filesystem::path& file, const Clock& clock);
