#include "editor/TaskDefinition.h"

#include <algorithm>
#include <string>

#include "schedule/NumberText.h"
#include "text/TextTrim.h"

TaskDefinition ComposeTaskDefinition(const ActivityDefinition& activity) {
    if (activity.entries.empty())
        return {{}, u"至少添加一个时间！"};
    if (!activity.days.daily && std::ranges::none_of(activity.days.weekdays, std::identity{}))
        return {{}, u"请选择周期！"};
    return {ComposeActivityValue(activity), {}};
}

std::optional<std::int16_t> DurationToStore(std::u16string_view text) {
    if (IsBlank(text))
        return std::nullopt;
    Int16Result minutes = ConvertToInt16(text);
    if (!minutes.ok() || minutes.value < 1 || minutes.value > 60)
        return std::nullopt;
    return minutes.value;
}
