#pragma once

#include <QStringList>

#include "app/ActivityNotifications.h"

// Records the notifications instead of showing them; the desktop shows them or not as told.
class RecordingNotifications final : public ActivityNotifications {
  public:
    bool Start(QMenu*) override {
        started = available;
        return available;
    }
    void Stop() override { started = false; }
    void Show(const QString& summary, const QString& body) override {
        shown << summary + QStringLiteral(" | ") + body;
    }

    bool available = true;
    bool started = false;
    QStringList shown;  // "summary | body"
};
