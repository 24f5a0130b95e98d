#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>

#include <windows.h>

#include "desktop/ClockWatch.h"

namespace {

// Windows sends every top-level window WM_TIMECHANGE when the clock is set, and
// WM_POWERBROADCAST when the computer resumes.
class WindowsClockWatch final : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit WindowsClockWatch(std::function<void()> onChange) : changed(std::move(onChange)) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~WindowsClockWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const MSG* msg = static_cast<const MSG*>(message);
        const bool resumed =
            msg->message == WM_POWERBROADCAST &&
            (msg->wParam == PBT_APMRESUMEAUTOMATIC || msg->wParam == PBT_APMRESUMESUSPEND);
        if (msg->message == WM_TIMECHANGE || resumed)
            QTimer::singleShot(0, this, changed);  // after the message has been handled
        return false;
    }

  private:
    std::function<void()> changed;
};

}  // namespace

std::unique_ptr<QObject> WatchClockAndSleep(std::function<void()> changed) {
    return std::make_unique<WindowsClockWatch>(std::move(changed));
}
