#include "schedule/ScheduleText.h"

#include <algorithm>
#include <array>
#include <optional>

#include "schedule/NumberText.h"
#include "text/TextTrim.h"

namespace {

bool NeedsNormalizing(char16_t c) {
    return c == u' ' || (c >= u'\u3000' && (c == u'\u3000' || c == u'：' || c == u'，'));
}

void AppendNormalized(std::u16string_view text, std::u16string& out) {
    for (char16_t c : text) {
        if (IsTrimmedSpace(c))
            continue;
        if (c == u'：') {
            out.push_back(u':');
        } else if (c == u'，') {
            out.push_back(u',');
        } else {
            out.push_back(c);
        }
    }
}

// Reads one piece of a clock text; false when its value does not fit 16 bits. Most pieces are one
// to four plain digits, which are read directly with the same result as the general reading.
bool ReadClockPiece(std::u16string_view piece, std::int16_t& value) {
    const auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    if (piece.empty() || piece.size() > 4 || !std::all_of(piece.begin(), piece.end(), isDigit)) {
        const std::optional<std::int16_t> rounded = RoundToInt16(ReadLeadingNumber(piece));
        value = rounded.value_or(0);
        return rounded.has_value();
    }
    value = 0;
    for (char16_t c : piece)
        value = static_cast<std::int16_t>(value * 10 + (c - u'0'));
    return true;
}

std::int16_t SaturateToInt16(std::int32_t value) {
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(value, -32768, 32767));
}

// Pattern "00": at least two digits, a minus sign in front of negative values.
std::size_t WriteTwoDigitNumber(std::int16_t value, char16_t* out) {
    if (value >= 0 && value < 100) {
        out[0] = static_cast<char16_t>(u'0' + value / 10);
        out[1] = static_cast<char16_t>(u'0' + value % 10);
        return 2;
    }
    std::size_t length = 0;
    std::int32_t magnitude = value;
    if (magnitude < 0) {
        out[length++] = u'-';
        magnitude = -magnitude;
    }
    char16_t digits[5];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (count < 2)
        digits[count++] = u'0';
    while (count > 0)
        out[length++] = digits[--count];
    return length;
}

}  // namespace

std::u16string_view NormalizeScheduleText(std::u16string_view text, std::u16string& storage) {
    if (std::none_of(text.begin(), text.end(), NeedsNormalizing))
        return text;
    storage.clear();
    AppendNormalized(text, storage);
    return storage;
}

std::u16string Get星期文本(int index) {
    static constexpr std::array<std::u16string_view, 7> kNames = {
        u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六", u"星期日"};
    if (index < 1 || index > 7)
        return {};
    return std::u16string(kNames[index - 1]);
}

ParsedClock ParseClockTime(std::u16string_view text) {
    const std::size_t firstColon = text.find(u':');
    if (text.empty() || firstColon == std::u16string_view::npos) {
        return {{}, ScheduleError::MissingPiece};
    }
    std::u16string_view minutePiece = text.substr(firstColon + 1);
    minutePiece = minutePiece.substr(0, minutePiece.find(u':'));
    ParsedClock parsed;
    if (!ReadClockPiece(text.substr(0, firstColon), parsed.clock.hour) ||
        !ReadClockPiece(minutePiece, parsed.clock.minute)) {
        return {{}, ScheduleError::Overflow};
    }
    return parsed;
}

ClockTime AddMinutesToClock(ClockTime clock, std::int16_t minutes) {
    const std::int32_t total = MinuteOfDay(clock) + minutes;
    std::int32_t hour = total / 60;
    const std::int32_t minute = total % 60;
    if (hour > 23)
        hour -= 24;
    return {SaturateToInt16(hour), static_cast<std::int16_t>(minute)};
}

bool IsClockInRange(ClockTime tested, ClockTime start, ClockTime end) {
    const std::int32_t t = MinuteOfDay(tested);
    const std::int32_t s = MinuteOfDay(start);
    const std::int32_t e = MinuteOfDay(end);
    if (e < s)
        return t >= s || t <= e;
    return s <= t && t <= e;
}

std::size_t WriteClockText(ClockTime clock, char16_t* out) {
    std::size_t length = WriteTwoDigitNumber(clock.hour, out);
    out[length++] = u':';
    return length + WriteTwoDigitNumber(clock.minute, out + length);
}

std::u16string FormatClock(ClockTime clock) {
    char16_t text[kMaxClockTextLength];
    return std::u16string(text, WriteClockText(clock, text));
}
