#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct IniKeyValue {
    std::u16string name;
    std::u16string value;
};

// The key names of a section in file order, duplicates included; names that are blank are left
// out. Empty when the file or section is missing. Never creates the file.
std::vector<std::u16string> ReadIniKeys(std::u16string_view section,
                                        const std::filesystem::path& file = {});

// The value of a key, or fallback when the key or section is missing. When no file exists at the
// path, the default schedule file is written there first.
std::u16string ReadIniValue(std::u16string_view section, std::u16string_view key,
                            const std::filesystem::path& file = {},
                            std::u16string_view fallback = {});

// The stored value of a key, or nothing when the key or section is missing or the file cannot be
// read. When no file exists at the path, the default schedule file is written there first.
std::optional<std::u16string> FindIniValue(std::u16string_view section, std::u16string_view key,
                                           const std::filesystem::path& file = {});

// Every key of ReadIniKeys with the value ReadIniValue gives it, from one read of the file.
std::vector<IniKeyValue> ReadIniEntries(std::u16string_view section,
                                        const std::filesystem::path& file = {});
