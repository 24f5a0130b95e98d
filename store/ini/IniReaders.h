#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "store/ini/IniDocument.h"

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

// The stored value of a key of a file already read, or nothing when the key or the section is
// missing.
std::optional<std::u16string> ReadIniValue(std::u16string_view section, std::u16string_view key,
                                           const IniDocument& document);
