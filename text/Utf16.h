#pragma once

#include <cstddef>
#include <string_view>

// Surrogates of UTF-16 text.

constexpr bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

constexpr bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The number of units of the character at text[i]: 2 for a surrogate pair, otherwise 1 (a lone
// surrogate counts as a character of its own).
constexpr std::size_t CharacterLengthAt(std::u16string_view text, std::size_t i) {
    return IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]) ? 2 : 1;
}
