#include "editor/ActivityDefinition.h"

#include <algorithm>
#include <string>

#include "schedule/NumberText.h"
#include "text/TextTrim.h"

Outcome<std::u16string, DefinitionProblem> ComposeActivityDefinition(
    const ActivityDefinition& activity) {
    if (activity.entries.empty())
        return {{}, DefinitionProblem::NoTime};
    if (!activity.days.daily && std::ranges::none_of(activity.days.weekdays, std::identity{}))
        return {{}, DefinitionProblem::NoDay};
    return {ComposeActivityValue(activity), DefinitionProblem::None};
}

std::u16string DescribeDefinitionProblem(DefinitionProblem problem) {
    switch (problem) {
        case DefinitionProblem::NoTime:
            return u"至少添加一个时间！";
        case DefinitionProblem::NoDay:
            return u"请选择周期！";
        case DefinitionProblem::None:
            break;
    }
    return {};
}

std::optional<std::int16_t> DurationToStore(std::u16string_view text) {
    if (IsBlank(text))
        return std::nullopt;
    Int16Result minutes = ConvertToInt16(text);
    if (!minutes.ok() || minutes.value < 1 || minutes.value > 60)
        return std::nullopt;
    return minutes.value;
}
