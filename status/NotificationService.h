#pragma once

#include <functional>

#include "status/Notification.h"

// The desktop's notification service, as the status window uses it.
class NotificationService {
  public:
    // Asks whether this desktop shows notifications, without waiting for the answer: answered
    // runs with it later, or at once when it is known at once.
    virtual void Start(std::function<void(bool available)> answered) = 0;
    // Notifications are off: an answer still to come may be dropped.
    virtual void Stop() = 0;
    virtual void Show(const Notification& notification) = 0;

  protected:
    ~NotificationService() = default;
};
