#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "schedule/LocalTime.h"

// A key of a section with the value that a look-up by its name finds: for a name that occurs
// twice, the value of its first line.
struct IniKeyValue {
    std::u16string name;
    std::u16string value;
};

// The keys of a section in file order, repeated names included; names that are blank are left
// out. Empty when the file or the section is missing; error is set when the file exists but
// cannot be read. Never creates the file, and reads it once.
std::vector<IniKeyValue> ReadIniKeys(std::u16string_view section, const std::filesystem::path& file,
                                     std::error_code& error);

// The stored value of a key, or nothing when the key or the section is missing. When no file
// exists at the path, the default schedule file is written there first, created at the clock's
// time. error is set when that write fails or the file cannot be read.
std::optional<std::u16string> ReadIniValue(std::u16string_view section, std::u16string_view key,
                                           const std::filesystem::path& file, const Clock& clock,
                                           std::error_code& error);
