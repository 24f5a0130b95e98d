#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

inline constexpr std::int16_t kFallbackDurationMinutes = 5;

struct DurationSetting {
    enum class Problem { None, Missing, NotANumber, OutOfRange };
    std::int16_t minutes = kFallbackDurationMinutes;  // 5 whenever there is a problem
    Problem problem = Problem::None;
    std::u16string storedText;  // the value as read, for the message
    bool ok() const { return problem == Problem::None; }
};

// Reads "持续时间" of "持续时间设置" (creating the default file if it is missing) and converts it
// to a signed 16-bit number of minutes.
DurationSetting ReadDurationSetting(const std::filesystem::path& file = {});
