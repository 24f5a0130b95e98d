#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Composing the stored definition of an activity from what the task editor collected.

// The ticks of the seven weekday boxes, Monday first.
using WeekdayTicks = std::array<bool, 7>;

struct TaskDefinition {
    std::u16string value;    // time list "|" weekday text, when composed
    std::u16string refusal;  // the message to show when the definition is incomplete
    bool ok() const { return refusal.empty(); }
};

// The time entries joined by "," in their order, "|", and the weekday text: "每日" when daily is
// ticked (the weekday ticks are then not looked at), otherwise the names of the ticked weekdays,
// Monday first, joined by ",". Refused with
// "至少添加一个时间！" without entries, then with "请选择周期！" without a day.
TaskDefinition ComposeTaskDefinition(const std::vector<std::u16string>& entries, bool daily,
                                     const WeekdayTicks& weekdays);

// The duration in minutes to store for the text of the duration box: a number from 1 to 60 after
// rounding. Empty for a blank text, one that is not a number, or any other value; such a text
// leaves the stored duration as it is.
std::optional<std::int16_t> DurationToStore(std::u16string_view text);
