#pragma once

#include <string>

#include "schedule/ActivityValue.h"

// One activity of the schedule, kept exactly as written in GM.ini. The texts are interpreted
// afresh at every evaluation; nothing here is validated.
struct cTask {
    std::u16string 任务名;  // the key of the line: the activity's name
    std::u16string 时间;    // the time list: the value before the first "|"
    std::u16string 星期;    // the weekday text: the value between the first and second "|"
    ActivityKind 任务类型 = ActivityKind::TimeRanges;  // the section the activity stands in
    std::u16string options{};  // after a second "|": the options (schedule/ActivityOptions.h)
};
