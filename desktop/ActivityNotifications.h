#pragma once

#include <QString>

class QMenu;

#include <functional>
#include <memory>

// The desktop's notifications. Each platform has its own: the freedesktop notification service
// over D-Bus on Linux, a tray icon's messages on Windows.
class ActivityNotifications {
  public:
    virtual ~ActivityNotifications() = default;

    // Asks whether this desktop shows notifications, without waiting for the answer: answered
    // runs with it from the event loop, or at once when it is known at once.
    virtual void Start(std::function<void(bool available)> answered) = 0;
    virtual void Stop() = 0;
    // With sound, the desktop's sound for a notification goes with it.
    virtual void Show(const QString& summary, const QString& body, bool sound) = 0;
    // The status window's menu, which the desktop offers also where it shows the program beside
    // its notifications (Windows' notification area); menu builds it when it is first asked for.
    virtual void CarryMenu(std::function<QMenu&()> menu) = 0;
};

// This platform's notifications.
std::unique_ptr<ActivityNotifications> DesktopNotifications();
