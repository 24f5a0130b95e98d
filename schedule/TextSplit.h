#pragma once

#include <cstddef>
#include <string_view>

#include "schedule/TextTrim.h"

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

// Calls onEntry with each entry of a normalised time list, in written order: the pieces between
// the "," separators, trimmed, empty ones skipped.
template <typename OnEntry>
void ForEachTimeListEntry(std::u16string_view normalizedTimes, OnEntry onEntry) {
    for (Split split{{}, normalizedTimes, true}; split.separated;) {
        split = SplitAt(split.rest, u',');
        const std::u16string_view entry = TrimSpaces(split.first);
        if (!entry.empty())
            onEntry(entry);
    }
}
