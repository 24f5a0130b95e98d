#pragma once

#include <string>
#include <string_view>

// Names of sections and keys: how the file's text and the caller's arguments are trimmed, and how
// names are compared. Names match without regard to the case of the ASCII letters A to Z; other
// letters (full-width, Greek, Cyrillic …) must match exactly.

// Removes spaces, tabs and vertical tabs at both ends: the blanks of a line of the file.
std::u16string_view TrimIniBlanks(std::u16string_view text);

// Removes spaces (only U+0020) at both ends: the trimming of a section or key argument.
std::u16string_view TrimIniArgument(std::u16string_view text);

bool IniNamesEqual(std::u16string_view a, std::u16string_view b);

// A spelling that is equal for names that match, for hashing.
std::u16string FoldIniName(std::u16string_view name);
