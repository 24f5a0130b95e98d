#pragma once

#include <string>
#include <string_view>

// Removes the characters for which isTrimmed is true from both ends.
template <typename Predicate>
std::u16string_view TrimWhere(std::u16string_view text, Predicate isTrimmed) {
    while (!text.empty() && isTrimmed(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isTrimmed(text.back()))
        text.remove_suffix(1);
    return text;
}

// The spaces that trimming removes: U+0020 and the ideographic space U+3000.
constexpr bool IsTrimmedSpace(char16_t c) {
    return c == u' ' || c == u'\u3000';
}

// Removes leading and trailing U+0020 spaces and U+3000 ideographic spaces.
inline std::u16string_view TrimSpaces(std::u16string_view text) {
    return TrimWhere(text, IsTrimmedSpace);
}

// True when nothing but U+0020 and U+3000 spaces is left.
inline bool IsBlank(std::u16string_view text) {
    return TrimSpaces(text).empty();
}
