#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

// Sets key=value in the section (value given) or removes the key (no value), editing the file in
// place and replacing it atomically. Returns the reason when the file could not be written; the
// file is then left as it was.
std::error_code WriteIniValue(std::u16string_view section, std::u16string_view key,
                              std::optional<std::u16string_view> value,
                              const std::filesystem::path& file);
