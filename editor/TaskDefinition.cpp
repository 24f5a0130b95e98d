#include "editor/TaskDefinition.h"

#include <string>

#include "schedule/NumberText.h"
#include "schedule/ScheduleText.h"
#include "schedule/TextTrim.h"

namespace {

std::u16string WeekdayText(bool daily, const WeekdayTicks& weekdays) {
    if (daily)
        return u"每日";
    std::u16string text;
    for (int index = 1; index <= 7; ++index) {
        if (!weekdays[index - 1])
            continue;
        if (!text.empty())
            text += u',';
        text += Get星期文本(index);
    }
    return text;
}

}  // namespace

TaskDefinition ComposeTaskDefinition(const std::vector<std::u16string>& entries, bool daily,
                                     const WeekdayTicks& weekdays) {
    if (entries.empty())
        return {{}, u"至少添加一个时间！"};
    std::u16string weekdayText = WeekdayText(daily, weekdays);
    if (weekdayText.empty())
        return {{}, u"请选择周期！"};
    std::u16string value;
    for (const std::u16string& entry : entries) {
        if (!value.empty())
            value += u',';
        value += entry;
    }
    return {value + u"|" + weekdayText, {}};
}

std::optional<std::int16_t> DurationToStore(std::u16string_view text) {
    if (IsBlank(text))
        return std::nullopt;
    Int16Result minutes = ConvertToInt16(text);
    if (!minutes.ok() || minutes.value < 1 || minutes.value > 60)
        return std::nullopt;
    return minutes.value;
}
