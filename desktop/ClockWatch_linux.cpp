#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

#include "desktop/ClockWatch.h"

namespace {

// A timer on the wall clock, far ahead, that the kernel cancels when the clock is set and when the
// computer wakes, which moves the wall clock against the monotonic one ("resume is equivalent to
// clock_was_set()" in the kernel's timekeeping): no bus to listen to, no thread to connect to one.
class LinuxClockWatch final : public QObject {
  public:
    explicit LinuxClockWatch(std::function<void()> onChange) : changed(std::move(onChange)) {
        timer = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (timer >= 0 && Arm()) {
            auto* notifier = new QSocketNotifier(timer, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, &LinuxClockWatch::TimerRead);
        }
    }
    ~LinuxClockWatch() override {
        if (timer >= 0)
            close(timer);
    }

  private:
    bool Arm() const {
        constexpr std::time_t kTenYears = 10LL * 366 * 24 * 60 * 60;
        itimerspec far{};
        far.it_value.tv_sec = std::time(nullptr) + kTenYears;
        return timerfd_settime(timer, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far, nullptr) ==
               0;
    }

    void TimerRead() {
        std::uint64_t expirations = 0;
        if (read(timer, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
            return;
        // Cancelled by a setting of the clock or a wake (ECANCELED), or ten years on: aim again.
        Arm();
        changed();
    }

    std::function<void()> changed;
    int timer = -1;
};

}  // namespace

std::unique_ptr<QObject> WatchClockAndSleep(std::function<void()> changed) {
    return std::make_unique<LinuxClockWatch>(std::move(changed));
}
