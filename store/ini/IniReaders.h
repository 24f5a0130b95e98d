#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/ini/IniDocument.h"
#include "text/Outcome.h"

// A key of a section with the value that a look-up by its name finds: for a name that occurs
// twice, the value of its first line.
struct IniKeyValue {
    std::u16string name;
    std::u16string value;
};

// The keys of a section in file order, repeated names included; names that are blank are left
// out. None when the file or the section is missing, or when the file exists but cannot be read,
// which is the problem then. Never creates the file, and reads it once.
Outcome<std::vector<IniKeyValue>> ReadIniKeys(std::u16string_view section,
                                              const std::filesystem::path& file);

// The stored value of a key of a file already read, or nothing when the key or the section is
// missing.
std::optional<std::u16string> ReadIniValue(std::u16string_view section, std::u16string_view key,
                                           const IniDocument& document);
