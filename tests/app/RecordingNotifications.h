#pragma once

#include <QStringList>

#include "desktop/ActivityNotifications.h"

// Records the notifications instead of showing them; the desktop shows them or not as told.
class RecordingNotifications final : public ActivityNotifications {
  public:
    void Start(std::function<void(bool)> answered) override {
        started = available;
        answered(available);
    }
    void Stop() override { started = false; }
    void Show(const QString& summary, const QString& body, bool sound) override {
        shown << summary + QStringLiteral(" | ") + body +
                     (sound ? QStringLiteral(" ♪") : QString());
    }

    bool available = true;
    bool started = false;
    QStringList shown;  // "summary | body", and " ♪" with a sound
};
