#pragma once

#include "desktop/ActivityNotifications.h"
#include "status/NotificationService.h"

// The status window's notification service on this desktop: its notifications through the
// platform's ActivityNotifications.
class DesktopNotificationService final : public NotificationService {
  public:
    explicit DesktopNotificationService(ActivityNotifications& notifications);

    void Start(std::function<void(bool available)> answered) override;
    void Stop() override;
    void Show(const Notification& notification) override;

  private:
    ActivityNotifications& notifications;
};
