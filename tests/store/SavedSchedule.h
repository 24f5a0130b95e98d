#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/Cp936.h"

// What the kill test and its saver process share: the activities the saver keeps and the exact
// bytes GM.ini must hold for them.

// Name and definition of each fixed-time activity, in file order.
using SavedActivities = std::vector<std::pair<std::u16string, std::u16string>>;

// GM.ini as a save of these activities leaves it: the fixed section, one line per activity.
inline std::string RenderSavedSchedule(const SavedActivities& activities) {
    std::u16string text = u"[固定时间任务日程]\r\n";
    for (const auto& [name, definition] : activities)
        text += name + u"=" + definition + u"\r\n";
    return EncodeCp936(text);
}

// 64-bit FNV-1a of the bytes, as the saver logs a state.
inline std::uint64_t Fingerprint(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}
