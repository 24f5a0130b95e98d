#pragma once

#include <string_view>

// The section and key of the duration setting in GM.ini. The sections of the activities are named
// with their kind (schedule/ActivityValue.h).
inline constexpr std::u16string_view kDurationSection = u"持续时间设置";
inline constexpr std::u16string_view kDurationKey = u"持续时间";
