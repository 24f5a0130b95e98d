// Number reading, clock times and the editor's time entry on texts taken from the input: no crash,
// a number read converts back from its own digits, a clock time reads back from its own text, and
// an accepted time entry holds clock times of one day.

#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/TimeEntry.h"
#include "fuzz/FuzzCheck.h"
#include "schedule/NumberText.h"
#include "schedule/ScheduleText.h"

namespace {

std::u16string Digits(long long value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

void CheckNumber(std::u16string_view text) {
    RoundToInt16(ReadLeadingNumber(text));
    ParseNumericText(text);
    补两位数字(text);
    const Int16Result converted = ConvertToInt16(text);
    if (converted.ok()) {
        const Int16Result again = ConvertToInt16(Digits(converted.value));
        Check(again.ok() && again.value == converted.value, "a number converts from its digits");
    }
}

void CheckClock(std::u16string_view text) {
    const ParsedClock parsed = ParseClockTime(text);
    if (!parsed.ok())
        return;
    const ParsedClock again = ParseClockTime(FormatClock(parsed.clock));
    Check(again.ok() && again.clock == parsed.clock, "a clock time reads back from its text");
}

// "HH:mm" with an hour from 0 to 23 and a minute from 0 to 59.
bool IsClockOfOneDay(std::u16string_view text) {
    if (text.size() != 5 || text[2] != u':')
        return false;
    for (std::size_t i : {0, 1, 3, 4}) {
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    }
    return (text[0] - u'0') * 10 + (text[1] - u'0') <= 23 && text[3] <= u'5';
}

void CheckTimeEntry(FuzzedDataProvider& data) {
    const ActivityKind kind =
        data.ConsumeBool() ? ActivityKind::TimeRanges : ActivityKind::FixedTimes;
    const bool sameDay = data.ConsumeBool();
    const std::u16string startHour = ConsumeText(data, 24);
    const std::u16string startMinute = ConsumeText(data, 24);
    const std::u16string endHour = ConsumeText(data, 24);
    const std::u16string endMinute = ConsumeText(data, 24);
    const Outcome<std::u16string, TimeEntryProblem> outcome =
        ComposeTimeEntry({startHour, startMinute, endHour, endMinute}, kind, sameDay);
    if (outcome.problem != TimeEntryProblem::None) {
        Check(outcome.value.empty(), "an entry with a problem has no text");
        return;
    }
    const std::u16string_view entry = outcome.value;
    Check(IsClockOfOneDay(entry.substr(0, 5)), "an accepted start is a clock time of one day");
    if (kind == ActivityKind::FixedTimes) {
        Check(entry.size() == 5, "a fixed entry is one clock time");
        return;
    }
    Check(entry.size() == 11 && entry[5] == u'-' && IsClockOfOneDay(entry.substr(6)),
          "a range entry is two clock times of one day");
    Check(!sameDay || entry.substr(0, 5) < entry.substr(6), "a same-day range starts first");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::u16string text = ConsumeText(data, 64);
    CheckNumber(text);
    CheckClock(text);
    CheckTimeEntry(data);
    return 0;
}
