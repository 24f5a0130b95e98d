#include "store/ini/IniReaders.h"

#include <unordered_map>

#include "store/ini/IniDocument.h"
#include "store/ini/IniNames.h"
#include "text/TextTrim.h"

std::vector<IniKeyValue> ReadIniKeys(std::u16string_view section, const std::filesystem::path& file,
                                     std::error_code& error) {
    const std::optional<IniDocument> document = ReadIniDocument(file, error);
    const IniSection* found = document ? FindIniSection(*document, section) : nullptr;
    std::vector<IniKeyValue> keys;
    if (found == nullptr)
        return keys;
    std::unordered_map<std::u16string, const std::u16string*> firstValues;
    for (const IniEntry& entry : found->entries) {
        if (IsBlank(entry.name))
            continue;
        const std::u16string* value =
            firstValues.try_emplace(FoldIniName(entry.name), &entry.value).first->second;
        keys.push_back(IniKeyValue{entry.name, *value});
    }
    return keys;
}

std::optional<std::u16string> ReadIniValue(std::u16string_view section, std::u16string_view key,
                                           const IniDocument& document) {
    const IniSection* found = FindIniSection(document, section);
    const IniEntry* entry = found ? FindIniEntry(*found, key) : nullptr;
    if (entry == nullptr)
        return std::nullopt;
    return entry->value;
}
