#pragma once

#include <string>

// A desktop notification to send: its summary and body, and whether a sound goes with it.
struct Notification {
    std::u16string summary;
    std::u16string body;
    bool sound = false;
    friend bool operator==(const Notification&, const Notification&) = default;
};
