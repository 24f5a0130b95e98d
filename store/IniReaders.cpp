#include "store/IniReaders.h"

#include <unordered_map>

#include "schedule/TextTrim.h"
#include "store/DefaultIni.h"
#include "store/IniDocument.h"
#include "store/IniNames.h"

namespace {

// The section of the file's document, or null when the file or the section is missing.
const IniSection* ReadSection(const std::filesystem::path& file, std::u16string_view section,
                              std::optional<IniDocument>& document, std::error_code& error) {
    document = ReadIniDocument(file, error);
    return document ? FindIniSection(*document, section) : nullptr;
}

}  // namespace

std::vector<IniKeyValue> ReadIniKeys(std::u16string_view section, const std::filesystem::path& file,
                                     std::error_code& error) {
    std::optional<IniDocument> document;
    const IniSection* found = ReadSection(file, section, document, error);
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
                                           const std::filesystem::path& file, const Clock& clock,
                                           std::error_code& error) {
    if ((error = EnsureIniFile(file, clock)))
        return std::nullopt;
    std::optional<IniDocument> document;
    const IniSection* found = ReadSection(file, section, document, error);
    const IniEntry* entry = found ? FindIniEntry(*found, key) : nullptr;
    if (entry == nullptr)
        return std::nullopt;
    return entry->value;
}
