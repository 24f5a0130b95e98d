#pragma once

#include <QString>

#include <memory>

class QMenu;

// The desktop's notifications, for activities that open. Each platform has its own: the
// freedesktop notification service over D-Bus on Linux, a tray icon's message on Windows.
class ActivityNotifications {
  public:
    virtual ~ActivityNotifications() = default;

    // Gets ready to show notifications. False when nothing on this desktop shows them. menu is the
    // status window's menu, for a tray icon that carries it.
    virtual bool Start(QMenu* menu) = 0;
    virtual void Stop() = 0;
    virtual void Show(const QString& summary, const QString& body) = 0;
};

// This platform's notifications.
std::unique_ptr<ActivityNotifications> DesktopNotifications();
