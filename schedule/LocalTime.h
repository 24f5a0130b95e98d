#pragma once

#include <chrono>
#include <functional>

// A moment of the local wall clock, as the schedule sees it.
struct LocalTime {
    std::chrono::year_month_day date{std::chrono::year{2000}, std::chrono::month{1},
                                     std::chrono::day{1}};
    int hour = 0;
    int minute = 0;
    int second = 0;
    // The local zone's offset from UTC at that moment, which tells the instant (0 for a clock
    // that does not say).
    std::chrono::seconds utcOffset{0};
};

// Where the program reads the time from; tests inject a fixed or scripted clock.
using Clock = std::function<LocalTime()>;

// A local wall-clock moment on one line of seconds, for comparing and adding. It follows the wall
// clock: when the clock is set back, moments repeat.
using LocalMoment = std::chrono::local_seconds;

inline LocalMoment MomentOf(const LocalTime& time) {
    return std::chrono::local_days{time.date} + std::chrono::hours{time.hour} +
           std::chrono::minutes{time.minute} + std::chrono::seconds{time.second};
}

inline std::chrono::sys_seconds InstantOf(const LocalTime& time) {
    return std::chrono::sys_seconds{MomentOf(time).time_since_epoch()} - time.utcOffset;
}
