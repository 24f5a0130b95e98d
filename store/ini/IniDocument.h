#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "store/ini/IniEncoding.h"
#include "store/ini/IniLines.h"
#include "text/Outcome.h"

// A key line: a line with "=" that is neither a comment nor a section header.
struct IniKey {
    std::u16string name;   // before the first "=", blanks trimmed
    std::u16string value;  // after it, blanks trimmed, then one pair of outer quotes removed
    std::size_t line = 0;  // index into IniDocument::lines
};

// A section header and the key lines up to the next header.
struct IniSection {
    std::u16string name;  // up to the first "]" or the end of the line, blanks trimmed
    std::size_t headerLine = 0;
    std::vector<IniKey> keys;  // in file order, repeated names included
};

// A schedule file's bytes, parsed once. Comments (first non-blank character ";"), lines without
// "=" and everything before the first header belong to no key; a NUL ends the text of its line.
struct IniDocument {
    std::string bytes;
    IniEncoding encoding = IniEncoding::Cp936;
    std::vector<IniLine> lines;
    std::vector<IniSection> sections;  // in file order, repeated names included
};

IniDocument ParseIniDocument(std::string bytes);

// Reads and parses the file. No document when there is no file, or when it exists but cannot be
// read, which is the problem then.
Outcome<std::optional<IniDocument>> ReadIniDocument(const std::filesystem::path& path);

// The first section of that name (spaces around the argument ignored), or null.
const IniSection* FindIniSection(const IniDocument& document, std::u16string_view section);

// The first key line of that name in the section (spaces around the argument ignored), or null.
const IniKey* FindIniKey(const IniSection& section, std::u16string_view key);

// Every key line of that name in the section, in file order (spaces around the argument ignored).
std::vector<const IniKey*> FindIniKeys(const IniSection& section, std::u16string_view key);

// The 1-based number in the file of the line at that index (IniKey::line, IniSection::headerLine):
// the line numbers an editor shows, counted from the first line after the byte order mark.
constexpr std::size_t IniLineNumber(std::size_t index) {
    return index + 1;
}
