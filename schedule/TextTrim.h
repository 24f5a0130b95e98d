#pragma once

#include <string>
#include <string_view>

// Removes leading and trailing U+0020 spaces and U+3000 ideographic spaces.
std::u16string_view TrimSpaces(std::u16string_view text);

// True when nothing but U+0020 and U+3000 spaces is left.
inline bool IsBlank(std::u16string_view text) { return TrimSpaces(text).empty(); }
