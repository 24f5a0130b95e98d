#pragma once

#include <string_view>

#include "schedule/ActivityValue.h"

// GM.ini, the one file that holds the schedule and the program's settings. It is written in code
// page 936 with CR LF line ends and read the way Windows reads private-profile files
// (store/ini/IniReaders.h); the comment lines at its head come from store/DefaultIni.cpp.
//
//   [固定时间任务日程]                 activities at fixed clock times
//   晨读=08:00,12:00|星期一,星期三     name = clock times "|" days
//   签到=20:00|每日|时区=UTC+8;提前=10  … "|" options, "键=值" separated by ";":
//                                      时区 (an IANA name or UTC±h[:mm]), 起 and 止
//                                      (YYYY-MM-DD), 每隔 (days from 起), 每月 (days of the
//                                      month), 提前 (leads, as 提前提醒), 通知 (0: none)
//   [范围时间任务日程]                 activities over time ranges
//   夜跑=22:30-01:00|每日              name = ranges (may run past midnight) "|" days
//   [持续时间设置]
//   持续时间=10                        minutes each fixed time stays open; 5
//                                      when missing or unusable
//   [程序设置]                         the program's own settings, passed over by the loader
//   活动开启时通知=1                   notifications when an activity opens:
//                                      1 on, 0 off (off when missing)
//   提前提醒=10,5                      warnings so many whole minutes (1 to 120) before each
//                                      opening; 0 none; 5 when missing
//   提醒声音=1                         a sound with each notification: 1 on,
//                                      0 off (off when missing)
//   窗口位置=x,y                       where the status window was last dragged, in logical
//                                      pixels
//   时区=Asia/Shanghai                 the zone of activities that name none: an IANA name
//                                      or UTC±h[:mm]; the local zone when missing
//   日历文件=/home/u/quillot.ics        the calendar file kept up to date with the schedule:
//                                      a full path; none when missing
//
// An activity's value is parsed and composed in schedule/ActivityValue.h: the time list before
// the first "|" (entries separated by ","), the weekday text after it ("每日" or weekday names),
// the options after a second "|" (schedule/ActivityOptions.h).
// The duration is read in store/Duration.h, the settings in store/ProgramSettings.h.

inline constexpr std::u16string_view kFixedSection = u"固定时间任务日程";
inline constexpr std::u16string_view kRangeSection = u"范围时间任务日程";

// The section that holds the activities of the kind.
constexpr std::u16string_view SectionOf(ActivityKind kind) {
    return kind == ActivityKind::FixedTimes ? kFixedSection : kRangeSection;
}

inline constexpr std::u16string_view kDurationSection = u"持续时间设置";
inline constexpr std::u16string_view kDurationKey = u"持续时间";

inline constexpr std::u16string_view kSettingsSection = u"程序设置";
inline constexpr std::u16string_view kNotifyKey = u"活动开启时通知";
inline constexpr std::u16string_view kWarningLeadsKey = u"提前提醒";
inline constexpr std::u16string_view kWarningSoundKey = u"提醒声音";
inline constexpr std::u16string_view kWindowPositionKey = u"窗口位置";
inline constexpr std::u16string_view kZoneKey = u"时区";
inline constexpr std::u16string_view kCalendarFileKey = u"日历文件";
