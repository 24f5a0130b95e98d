#include "store/IniReaders.h"

#include <unordered_map>

#include "platform/FileBytes.h"
#include "schedule/TextTrim.h"
#include "store/DefaultIni.h"
#include "store/IniDocument.h"
#include "store/IniNames.h"
#include "store/ScheduleFile.h"

std::vector<std::u16string> ReadIniKeys(std::u16string_view section,
                                        const std::filesystem::path& file) {
    std::error_code error;
    const std::optional<IniDocument> document = ReadIniDocument(ResolveIniPath(file), error);
    const IniSection* found = document ? FindIniSection(*document, section) : nullptr;
    std::vector<std::u16string> names;
    if (found == nullptr)
        return names;
    for (const IniEntry& entry : found->entries) {
        if (!IsBlank(entry.name))
            names.push_back(entry.name);
    }
    return names;
}

std::optional<std::u16string> FindIniValue(std::u16string_view section, std::u16string_view key,
                                           const std::filesystem::path& file) {
    const std::filesystem::path path = ResolveIniPath(file);
    if (!IsRegularFile(path))
        WriteDefaultIni(path, SystemLocalTime());
    std::error_code error;
    const std::optional<IniDocument> document = ReadIniDocument(path, error);
    const IniSection* found = document ? FindIniSection(*document, section) : nullptr;
    const IniEntry* entry = found ? FindIniEntry(*found, key) : nullptr;
    if (entry == nullptr)
        return std::nullopt;
    return entry->value;
}

std::u16string ReadIniValue(std::u16string_view section, std::u16string_view key,
                            const std::filesystem::path& file, std::u16string_view fallback) {
    if (std::optional<std::u16string> value = FindIniValue(section, key, file))
        return *value;
    while (fallback.ends_with(u' '))
        fallback.remove_suffix(1);
    return std::u16string(fallback);
}

std::vector<IniKeyValue> ReadIniEntries(std::u16string_view section,
                                        const std::filesystem::path& file) {
    std::error_code error;
    const std::optional<IniDocument> document = ReadIniDocument(ResolveIniPath(file), error);
    const IniSection* found = document ? FindIniSection(*document, section) : nullptr;
    std::vector<IniKeyValue> entries;
    if (found == nullptr)
        return entries;
    // A repeated name shows the value of its first line, as a look-up by name finds it.
    std::unordered_map<std::u16string, const std::u16string*> firstValues;
    for (const IniEntry& entry : found->entries) {
        if (IsBlank(entry.name))
            continue;
        const std::u16string* value =
            firstValues.try_emplace(FoldIniName(entry.name), &entry.value).first->second;
        entries.push_back(IniKeyValue{entry.name, *value});
    }
    return entries;
}
