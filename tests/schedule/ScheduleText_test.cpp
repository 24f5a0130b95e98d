#include "schedule/ScheduleText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct TextCase {
    std::u16string input;
    std::u16string expected;
};

TEST(NormalizeScheduleText, RemovesSpacesAndNarrowsColonAndComma) {
    const TextCase cases[] = {
        {u"", u""},
        {u"08:00,12:00", u"08:00,12:00"},
        {u" 08 : 00 ， 12：00 ", u"08:00,12:00"},
        {u"\u300006:00-06:30\u3000", u"06:00-06:30"},
        {u"星期一 ，星期二", u"星期一,星期二"},
        {u"\t08:00", u"\t08:00"},
        {u"06:00－06:30｜每日", u"06:00－06:30｜每日"},
        {u"\u00a008:00", u"\u00a008:00"},
    };
    for (const TextCase& c : cases) {
        std::u16string storage;
        EXPECT_EQ(NormalizeScheduleText(c.input, storage), c.expected)
            << testing::PrintToString(c.input);
    }
}

TEST(NormalizeScheduleText, LeavesCleanTextUncopied) {
    const std::u16string clean = u"08:00,12:00";
    std::u16string storage;
    EXPECT_EQ(NormalizeScheduleText(clean, storage).data(), clean.data());
    EXPECT_TRUE(storage.empty());
}

TEST(Get星期文本, NamesMondayToSundayAndNothingElse) {
    const struct {
        int index;
        std::u16string expected;
    } cases[] = {{1, u"星期一"}, {2, u"星期二"}, {3, u"星期三"}, {4, u"星期四"}, {5, u"星期五"},
                 {6, u"星期六"}, {7, u"星期日"}, {0, u""},       {8, u""},       {-1, u""}};
    for (const auto& c : cases)
        EXPECT_EQ(Get星期文本(c.index), c.expected) << c.index;
}

struct ClockCase {
    std::u16string text;
    ScheduleError error;
    ClockTime clock;
};

TEST(ParseClockTime, ReadsHourAndMinuteLeniently) {
    const ClockCase cases[] = {
        {u"12:30", ScheduleError::None, {12, 30}},
        {u"8:5", ScheduleError::None, {8, 5}},
        {u"12:30:45", ScheduleError::None, {12, 30}},
        {u"9.5:00", ScheduleError::None, {10, 0}},
        {u"8.5:00", ScheduleError::None, {8, 0}},
        {u"7x:5y", ScheduleError::None, {7, 5}},
        {u"ab:cd", ScheduleError::None, {0, 0}},
        {u"25:70", ScheduleError::None, {25, 70}},
        {u"-1:-5", ScheduleError::None, {-1, -5}},
        {u":", ScheduleError::None, {0, 0}},
        {u"12:", ScheduleError::None, {12, 0}},
        {u":30", ScheduleError::None, {0, 30}},
        {u"1 2:3\t0", ScheduleError::None, {12, 30}},
        {u"&HFFFF:&H10", ScheduleError::None, {-1, 16}},
        {u"32767:-32768", ScheduleError::None, {32767, -32768}},
        {u"1e1:1d1", ScheduleError::None, {10, 10}},
        {u"", ScheduleError::MissingPiece, {}},
        {u"12", ScheduleError::MissingPiece, {}},
        {u"1230", ScheduleError::MissingPiece, {}},
        {u"12：30", ScheduleError::MissingPiece, {}},
        {u"99999", ScheduleError::MissingPiece, {}},
        {u"40000:00", ScheduleError::Overflow, {}},
        {u"12:40000", ScheduleError::Overflow, {}},
        {u"32767.5:0", ScheduleError::Overflow, {}},
        {u"1e400:0", ScheduleError::Overflow, {}},
        {u"12:30:99999", ScheduleError::None, {12, 30}},
    };
    for (const ClockCase& c : cases) {
        const ParsedClock parsed = ParseClockTime(c.text);
        EXPECT_EQ(parsed.error, c.error) << testing::PrintToString(c.text);
        EXPECT_EQ(parsed.ok(), c.error == ScheduleError::None);
        if (parsed.ok()) {
            EXPECT_EQ(parsed.clock, c.clock) << testing::PrintToString(c.text);
        }
    }
}

struct AddCase {
    ClockTime start;
    std::int16_t minutes;
    ClockTime expected;
};

TEST(AddMinutesToClock, TruncatesAndTakesOff24Once) {
    const AddCase cases[] = {
        {{8, 0}, 5, {8, 5}},
        {{23, 58}, 5, {0, 3}},
        {{23, 55}, 5, {0, 0}},
        {{23, 54}, 5, {23, 59}},
        {{25, 70}, 5, {2, 15}},
        {{50, 0}, 5, {26, 5}},
        {{47, 59}, 1, {24, 0}},
        {{23, 0}, 120, {1, 0}},
        {{0, 0}, -5, {0, -5}},
        {{0, 0}, -65, {-1, -5}},
        {{-1, 0}, 0, {-1, 0}},
        {{-30, 0}, 0, {-30, 0}},
        {{0, 0}, 0, {0, 0}},
        {{0, 0}, 32767, {522, 7}},
        // Extreme inputs: the hour is held at the 16-bit limit, the minute is the true remainder.
        {{32767, 32767}, 32767, {32767, 14}},
        {{-32768, -32768}, -32768, {-32768, -16}},
    };
    for (const AddCase& c : cases) {
        EXPECT_EQ(AddMinutesToClock(c.start, c.minutes), c.expected)
            << c.start.hour << ":" << c.start.minute << " + " << c.minutes;
    }
}

struct RangeCase {
    ClockTime tested;
    ClockTime start;
    ClockTime end;
    bool expected;
};

TEST(IsClockInRange, IncludesBothEndsAndWrapsPastMidnight) {
    const RangeCase cases[] = {
        {{7, 59}, {8, 0}, {8, 5}, false},    {{8, 0}, {8, 0}, {8, 5}, true},
        {{8, 5}, {8, 0}, {8, 5}, true},      {{8, 6}, {8, 0}, {8, 5}, false},
        {{8, 0}, {8, 0}, {8, 0}, true},      {{8, 1}, {8, 0}, {8, 0}, false},
        {{7, 59}, {8, 0}, {8, 0}, false},    {{23, 30}, {22, 0}, {2, 0}, true},
        {{1, 0}, {22, 0}, {2, 0}, true},     {{22, 0}, {22, 0}, {2, 0}, true},
        {{2, 0}, {22, 0}, {2, 0}, true},     {{2, 1}, {22, 0}, {2, 0}, false},
        {{21, 59}, {22, 0}, {2, 0}, false},  {{12, 0}, {22, 0}, {2, 0}, false},
        {{23, 58}, {23, 58}, {0, 3}, true},  {{23, 59}, {23, 58}, {0, 3}, true},
        {{0, 0}, {23, 58}, {0, 3}, true},    {{0, 3}, {23, 58}, {0, 3}, true},
        {{0, 4}, {23, 58}, {0, 3}, false},   {{2, 15}, {25, 70}, {2, 15}, true},
        {{12, 0}, {25, 70}, {2, 15}, false}, {{12, 0}, {11, 70}, {12, 0}, true},
    };
    for (const RangeCase& c : cases) {
        EXPECT_EQ(IsClockInRange(c.tested, c.start, c.end), c.expected)
            << c.tested.hour << ":" << c.tested.minute << " in " << c.start.hour << ":"
            << c.start.minute << "-" << c.end.hour << ":" << c.end.minute;
    }
}

struct FormatCase {
    ClockTime clock;
    std::u16string expected;
};

TEST(FormatClock, PadsToTwoDigitsAndKeepsSigns) {
    const FormatCase cases[] = {
        {{8, 5}, u"08:05"},
        {{0, 0}, u"00:00"},
        {{23, 59}, u"23:59"},
        {{25, 70}, u"25:70"},
        {{-5, 0}, u"-05:00"},
        {{-5, -1}, u"-05:-01"},
        {{-12, 30}, u"-12:30"},
        {{100, 7}, u"100:07"},
        {{12345, 0}, u"12345:00"},
        {{32767, 32767}, u"32767:32767"},
        {{-32768, -32768}, u"-32768:-32768"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatClock(c.clock), c.expected);
        char16_t text[kMaxClockTextLength];
        EXPECT_EQ(std::u16string(text, WriteClockText(c.clock, text)), c.expected);
    }
}

}  // namespace
