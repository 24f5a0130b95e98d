#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "schedule/ActivityValue.h"
#include "text/Outcome.h"

// Composing the stored definition of an activity from what the task editor collected.

// What keeps a definition from being stored.
enum class DefinitionProblem { None, NoTime, NoDay };

// The value of the activity (see ComposeActivityValue); the weekday ticks are not looked at when
// daily is ticked. Without entries the problem is NoTime, then without a day NoDay.
Outcome<std::u16string, DefinitionProblem> ComposeActivityDefinition(
    const ActivityDefinition& activity);

// The message for the problem; empty for none.
std::u16string DescribeDefinitionProblem(DefinitionProblem problem);

// The duration in minutes to store for the text of the duration box: a number from 1 to 60 after
// rounding. Empty for a blank text, one that is not a number, or any other value; such a text
// leaves the stored duration as it is.
std::optional<std::int16_t> DurationToStore(std::u16string_view text);
