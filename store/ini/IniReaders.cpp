#include "store/ini/IniReaders.h"

#include <unordered_map>

#include "store/ini/IniDocument.h"
#include "store/ini/IniNames.h"
#include "text/TextTrim.h"

Outcome<std::vector<IniKeyValue>> ReadIniKeys(std::u16string_view section,
                                              const std::filesystem::path& file) {
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(file);
    const IniSection* found = read.value ? FindIniSection(*read.value, section) : nullptr;
    Outcome<std::vector<IniKeyValue>> keys{{}, read.problem};
    if (found == nullptr)
        return keys;
    std::unordered_map<std::u16string, const std::u16string*> firstValues;
    for (const IniKey& key : found->keys) {
        if (IsBlank(key.name))
            continue;
        const std::u16string* value =
            firstValues.try_emplace(FoldIniName(key.name), &key.value).first->second;
        keys.value.push_back(IniKeyValue{key.name, *value});
    }
    return keys;
}

std::optional<std::u16string> ReadIniValue(std::u16string_view section, std::u16string_view key,
                                           const IniDocument& document) {
    const IniSection* found = FindIniSection(document, section);
    const IniKey* line = found ? FindIniKey(*found, key) : nullptr;
    if (line == nullptr)
        return std::nullopt;
    return line->value;
}
