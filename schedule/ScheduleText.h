#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct ClockTime {
    std::int16_t hour = 0;
    std::int16_t minute = 0;
    friend bool operator==(const ClockTime&, const ClockTime&) = default;
};

// Why a clock time or an entry could not be read.
enum class ScheduleError {
    None,
    MissingPiece,  // no ":" in a clock time, no "-" in a range, or an empty side
    Overflow,      // a number outside the signed 16-bit range
};

struct ParsedClock {
    ClockTime clock;
    ScheduleError error = ScheduleError::None;
    bool ok() const { return error == ScheduleError::None; }
};

// Removes spaces and ideographic spaces; full-width ":" and "," become their ASCII forms. Returns
// text itself when nothing changes, otherwise the normalised text written into storage.
std::u16string_view NormalizeScheduleText(std::u16string_view text, std::u16string& storage);

// "星期一" .. "星期日" for the weekdays 1 (Monday) .. 7 (Sunday), as std::chrono::weekday's
// iso_encoding numbers them; empty for any other index.
std::u16string Get星期文本(int index);

// Hour from the piece before the first ":", minute from the piece after it; further pieces ignored.
ParsedClock ParseClockTime(std::u16string_view text);

// Adds minutes; an hour past 23 is brought back once by 24. An hour that still does not fit a
// signed 16-bit integer (only possible for extreme inputs) is held at the nearest limit.
ClockTime AddMinutesToClock(ClockTime clock, std::int16_t minutes);

// Both ends inclusive; an end before the start makes the range run past midnight.
bool IsClockInRange(ClockTime tested, ClockTime start, ClockTime end);

// HH:mm, each part zero-padded to at least two digits.
std::u16string FormatClock(ClockTime clock);

// The longest text FormatClock can give: "-32768:-32768".
inline constexpr std::size_t kMaxClockTextLength = 13;

// Writes FormatClock's text into out, which has room for kMaxClockTextLength characters; returns
// the number of characters written.
std::size_t WriteClockText(ClockTime clock, char16_t* out);

inline std::int32_t MinuteOfDay(ClockTime clock) {
    return std::int32_t{clock.hour} * 60 + std::int32_t{clock.minute};
}
