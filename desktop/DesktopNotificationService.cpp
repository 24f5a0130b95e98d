#include "desktop/DesktopNotificationService.h"

#include <utility>

DesktopNotificationService::DesktopNotificationService(ActivityNotifications& notifications)
    : notifications(notifications) {}

void DesktopNotificationService::Start(std::function<void(bool available)> answered) {
    notifications.Start(std::move(answered));
}

void DesktopNotificationService::Stop() {
    notifications.Stop();
}

void DesktopNotificationService::Show(const Notification& notification) {
    notifications.Show(QString::fromStdU16String(notification.summary),
                       QString::fromStdU16String(notification.body), notification.sound);
}
