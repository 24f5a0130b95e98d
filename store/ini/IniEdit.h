#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "store/ini/IniDocument.h"

// The file's bytes after setting key=value in the section (value given) or removing the key (no
// value); empty when the content would not change. The edit is made in place, as the Windows
// private-profile writer makes it: only the affected line changes, every other byte stays.
// - An existing key (the first of that name) keeps its spelling and its line end: "key=value";
//   as the last line of a file without a final line end it gets CR LF.
// - A new key goes right after the last key line of its section, or right after the header when
//   the section has no key lines.
// - A new section is appended as "[section]" and "key=value", after a line end when the file does
//   not end with one (a file of only a byte order mark included).
// New lines end in CR LF. Section and key lose spaces at both ends; the value is written as given.
std::optional<std::string> EditIniDocument(const IniDocument& document, std::u16string_view section,
                                           std::u16string_view key,
                                           std::optional<std::u16string_view> value);
