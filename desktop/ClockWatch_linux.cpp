#include <QDBusConnection>
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

#include "desktop/ClockWatch.h"

namespace {

// A timer on the wall clock, far ahead, that the kernel cancels when the clock is set.
class LinuxClockWatch final : public QObject {
    Q_OBJECT
  public:
    explicit LinuxClockWatch(std::function<void()> changed) : changed_(std::move(changed)) {
        timer_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (timer_ >= 0 && Arm()) {
            auto* notifier = new QSocketNotifier(timer_, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, &LinuxClockWatch::TimerRead);
        }
        QDBusConnection::systemBus().connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
            this, SLOT(PrepareForSleep(bool)));
    }
    ~LinuxClockWatch() override {
        if (timer_ >= 0)
            close(timer_);
    }

  private slots:
    void PrepareForSleep(bool sleeping) {
        if (!sleeping)
            changed_();
    }

  private:
    bool Arm() const {
        constexpr std::time_t kTenYears = 10LL * 366 * 24 * 60 * 60;
        itimerspec far{};
        far.it_value.tv_sec = std::time(nullptr) + kTenYears;
        return timerfd_settime(timer_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &far,
                               nullptr) == 0;
    }

    void TimerRead() {
        std::uint64_t expirations = 0;
        if (read(timer_, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
            return;
        // Cancelled by a setting of the clock (ECANCELED), or ten years on: aim again.
        Arm();
        changed_();
    }

    std::function<void()> changed_;
    int timer_ = -1;
};

}  // namespace

std::unique_ptr<QObject> WatchClockAndSleep(std::function<void()> changed) {
    return std::make_unique<LinuxClockWatch>(std::move(changed));
}

#include "ClockWatch_linux.moc"
