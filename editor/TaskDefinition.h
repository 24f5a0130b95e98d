#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/ActivityValue.h"

// Composing the stored definition of an activity from what the task editor collected.

struct TaskDefinition {
    std::u16string value;    // time list "|" weekday text, when composed
    std::u16string refusal;  // the message to show when the definition is incomplete
    bool ok() const { return refusal.empty(); }
};

// The value of the activity (see ComposeActivityValue); the weekday ticks are not looked at when
// daily is ticked. Refused with "至少添加一个时间！" without entries, then with "请选择周期！"
// without a day.
TaskDefinition ComposeTaskDefinition(const ActivityDefinition& activity);

// The duration in minutes to store for the text of the duration box: a number from 1 to 60 after
// rounding. Empty for a blank text, one that is not a number, or any other value; such a text
// leaves the stored duration as it is.
std::optional<std::int16_t> DurationToStore(std::u16string_view text);
