#pragma once

#include <cstdint>
#include <optional>
#include <string>

inline constexpr std::int16_t kFallbackDurationMinutes = 5;

struct DurationSetting {
    enum class Problem { None, Missing, NotANumber, OutOfRange, Negative };
    std::int16_t minutes = kFallbackDurationMinutes;  // 5 whenever there is a problem
    Problem problem = Problem::None;
    std::u16string storedText;  // the value as read, for the message
    bool ok() const { return problem == Problem::None; }
};

// The stored text of "持续时间" (nothing when the key is missing) as a signed 16-bit number of
// minutes, or 5 and the reason. A negative number would end a fixed time before it starts, so it
// counts as unusable; 0 and every positive number are kept as read.
DurationSetting InterpretDuration(const std::optional<std::u16string>& stored);
