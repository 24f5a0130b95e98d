#pragma once

#include <string_view>

// Sections and keys of GM.ini that the program uses.
inline constexpr std::u16string_view kFixedSection = u"固定时间任务日程";
inline constexpr std::u16string_view kRangeSection = u"范围时间任务日程";
inline constexpr std::u16string_view kDurationSection = u"持续时间设置";
inline constexpr std::u16string_view kDurationKey = u"持续时间";
