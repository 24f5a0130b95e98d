#pragma once

#include <cstddef>
#include <string_view>

// The piece of text before the first separator (all of it when there is none), the rest after it.
struct Split {
    std::u16string_view first;
    std::u16string_view rest;
    bool separated = false;
};

inline Split SplitAt(std::u16string_view text, char16_t separator) {
    const std::size_t position = text.find(separator);
    if (position == std::u16string_view::npos)
        return {text, {}, false};
    return {text.substr(0, position), text.substr(position + 1), true};
}
