#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "status/NotificationService.h"

// The desktop's notification service as a test has it answer: it records what it is told
// ("start", "stop", "show <summary> | <body>", and " ♪" when a sound goes with it), and a start
// waits for the test's Answer. A stop drops an answer still to come.
class RecordingDesktop final : public NotificationService {
  public:
    void Start(std::function<void(bool)> answered) override {
        told.push_back(u"start");
        pending = std::move(answered);
    }
    void Stop() override {
        told.push_back(u"stop");
        pending = nullptr;
    }
    void Show(const Notification& notification) override {
        told.push_back(u"show " + notification.summary + u" | " + notification.body +
                       (notification.sound ? u" ♪" : u""));
    }

    void Answer(bool available) {
        ASSERT_TRUE(pending) << "the service was not asked";
        std::exchange(pending, nullptr)(available);
    }

    std::vector<std::u16string> told;

  private:
    std::function<void(bool)> pending;
};
