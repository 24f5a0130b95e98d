#pragma once

#include <vector>

#include "schedule/cTask.h"

// The two activities of the default GM.ini, as LoadTasks gives them.
inline std::vector<cTask> DefaultSchedule() {
    return {
        {u"红包刷新时间", u"00:00,08:00,12:00,16:00,20:00,22:00", u"每日",
         ActivityKind::FixedTimes},
        {u"就餐时间", u"06:00-06:30,12:00-12:30,18:00-18:30", u"星期一,星期二,星期三,星期四,星期五",
         ActivityKind::TimeRanges},
    };
}
