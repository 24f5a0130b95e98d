#include <QDBusConnection>
#include <QSocketNotifier>
#include <QThread>

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
    explicit LinuxClockWatch(std::function<void()> onChange) : changed(std::move(onChange)) {
        timer = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
        if (timer >= 0 && Arm()) {
            auto* notifier = new QSocketNotifier(timer, QSocketNotifier::Read, this);
            connect(notifier, &QSocketNotifier::activated, this, &LinuxClockWatch::TimerRead);
        }
        // Connecting to the system bus waits for its answers, or for its time-out where a bus
        // does not answer: in a thread of its own, never in the window's. The signal is matched by
        // its path, interface and name, without asking the bus who owns logind's name: whoever
        // else sent it would only bring a look at the clock, which tells nothing twice.
        subscribing.reset(QThread::create([this] {
            QDBusConnection::systemBus().connect(
                QString(), QStringLiteral("/org/freedesktop/login1"),
                QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                this, SLOT(PrepareForSleep(bool)));
        }));
        subscribing->start();
    }
    ~LinuxClockWatch() override {
        subscribing->wait();
        if (timer >= 0)
            close(timer);
    }

  private slots:
    void PrepareForSleep(bool sleeping) {
        if (!sleeping)
            changed();
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
        // Cancelled by a setting of the clock (ECANCELED), or ten years on: aim again.
        Arm();
        changed();
    }

    std::function<void()> changed;
    int timer = -1;
    std::unique_ptr<QThread> subscribing;
};

}  // namespace

std::unique_ptr<QObject> WatchClockAndSleep(std::function<void()> changed) {
    return std::make_unique<LinuxClockWatch>(std::move(changed));
}

#include "ClockWatch_linux.moc"
