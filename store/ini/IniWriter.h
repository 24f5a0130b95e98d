#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>

// One key to set to a value, or to remove (no value).
struct IniChange {
    std::u16string_view section;
    std::u16string_view key;
    std::optional<std::u16string_view> value;
};

// Makes the changes in order, editing the file in place, and replaces it atomically once for all
// of them. Returns the reason when the file could not be written; the file is then left as it
// was, with none of the changes.
std::error_code WriteIniValues(std::span<const IniChange> changes,
                               const std::filesystem::path& file);

// Sets key=value in the section (value given) or removes the key (no value), as WriteIniValues.
std::error_code WriteIniValue(std::u16string_view section, std::u16string_view key,
                              std::optional<std::u16string_view> value,
                              const std::filesystem::path& file);
