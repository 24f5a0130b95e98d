#pragma once

#include <QObject>

#include <functional>
#include <memory>

// Runs changed, from the event loop, when the wall clock is set (by the user, or by time
// synchronisation in a jump) and when the computer wakes from sleep: a timer aimed by the clock
// may then be far off. Watches while the returned object lives. On Linux a timerfd that the
// kernel cancels when the clock is set or the computer wakes; on Windows the WM_TIMECHANGE and
// WM_POWERBROADCAST messages.
std::unique_ptr<QObject> WatchClockAndSleep(std::function<void()> changed);
