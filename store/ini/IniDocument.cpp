#include "store/ini/IniDocument.h"

#include "platform/Files.h"
#include "store/ini/IniNames.h"

namespace {

std::u16string_view StripOuterQuotes(std::u16string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == u'"' || value.front() == u'\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Adds the line to the document's last section when it is a header or a key line.
void ParseLine(IniDocument& document, std::size_t index) {
    const IniLine& line = document.lines[index];
    if (line.readEnd == line.begin)
        return;
    const std::u16string text = DecodeIniText(
        std::string_view(document.bytes).substr(line.begin, line.readEnd - line.begin),
        document.encoding);
    const std::u16string_view content = TrimIniBlanks(text);
    if (content.empty() || content.front() == u';')
        return;
    if (content.front() == u'[') {
        std::u16string_view name = content.substr(1);
        name = name.substr(0, name.find(u']'));
        document.sections.push_back(IniSection{std::u16string(TrimIniBlanks(name)), index, {}});
        return;
    }
    const std::size_t equals = content.find(u'=');
    if (equals == std::u16string_view::npos || document.sections.empty())
        return;
    document.sections.back().keys.push_back(
        IniKey{std::u16string(TrimIniBlanks(content.substr(0, equals))),
               std::u16string(StripOuterQuotes(TrimIniBlanks(content.substr(equals + 1)))), index});
}

// The first item of that name (spaces around the argument ignored), or null: a section among the
// document's sections or a key among a section's keys.
template <typename Item>
const Item* FindByName(const std::vector<Item>& items, std::u16string_view argument) {
    const std::u16string_view name = TrimIniArgument(argument);
    for (const Item& candidate : items) {
        if (IniNamesEqual(candidate.name, name))
            return &candidate;
    }
    return nullptr;
}

}  // namespace

IniDocument ParseIniDocument(std::string bytes) {
    IniDocument document;
    document.bytes = std::move(bytes);
    document.encoding = DetectIniEncoding(document.bytes);
    document.lines = SplitIniLines(document.bytes, document.encoding);
    for (std::size_t index = 0; index < document.lines.size(); ++index)
        ParseLine(document, index);
    return document;
}

Outcome<std::optional<IniDocument>> ReadIniDocument(const std::filesystem::path& path) {
    Outcome<std::string> read = ReadFileBytes(path);
    if (read.problem == std::errc::no_such_file_or_directory)
        return {};
    if (read.problem)
        return {std::nullopt, read.problem};
    return {ParseIniDocument(std::move(read.value)), {}};
}

const IniSection* FindIniSection(const IniDocument& document, std::u16string_view section) {
    return FindByName(document.sections, section);
}

const IniKey* FindIniKey(const IniSection& section, std::u16string_view key) {
    return FindByName(section.keys, key);
}

std::vector<const IniKey*> FindIniKeys(const IniSection& section, std::u16string_view key) {
    const std::u16string_view name = TrimIniArgument(key);
    std::vector<const IniKey*> found;
    for (const IniKey& candidate : section.keys) {
        if (IniNamesEqual(candidate.name, name))
            found.push_back(&candidate);
    }
    return found;
}
