#include "schedule/NumberText.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

struct LeadingCase {
    std::u16string text;
    double expected;
};

TEST(ReadLeadingNumber, ReadsTheNumberTheTextBeginsWith) {
    const LeadingCase cases[] = {
        {u"", 0},
        {u"abc", 0},
        {u"7x", 7},
        {u"12", 12},
        {u"-5", -5},
        {u"+5", 5},
        {u"9.5", 9.5},
        {u".25", 0.25},
        {u"5.", 5},
        {u"1.2.3", 1.2},
        {u"1e3", 1000},
        {u"1E-2", 0.01},
        {u"2D2", 200},
        {u"2d+1", 20},
        {u"1e", 1},
        {u"1e+", 1},
        {u"3ex", 3},
        {u" 1 2 ", 12},
        {u"\t1\r\n2\u30003", 123},
        {u"- 4", -4},
        {u"1 . 5", 1.5},
        {u"--5", 0},
        {u"+-5", 0},
        {u"1,234", 1},
        {u"0005", 5},
        {u"0.000", 0},
        {u"-", 0},
        {u".", 0},
        {u"e5", 0},
        {u"５", 0},
        {u"&HFF", 255},
        {u"&hff", 255},
        {u"&H7FFF", 32767},
        {u"&H8000", -32768},
        {u"&HFFFF", -1},
        {u"&H0000FFFF", -1},
        {u"&H10000", 65536},
        {u"&HFFFFFFFF", -1},
        {u"&H80000000", -2147483648.0},
        {u"&H100000000", 4294967296.0},
        {u"&O17", 15},
        {u"&o777", 511},
        {u"&O177777", -1},
        {u"&O8", 0},
        {u"&H", 0},
        {u"&HFG", 15},
        {u"& H 1 0", 16},
        {u"&X1", 0},
        {u"&", 0},
        {u"-&H10", 0},
    };
    for (const LeadingCase& c : cases) {
        EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

TEST(ReadLeadingNumber, RoundsDecimalTextCorrectly) {
    EXPECT_EQ(ReadLeadingNumber(u"0.1"), 0.1);
    EXPECT_EQ(ReadLeadingNumber(u"123456789012345678901234567890"), 1.2345678901234568e29);
    EXPECT_EQ(ReadLeadingNumber(u"2.2250738585072014e-308"), 2.2250738585072014e-308);
}

TEST(ReadLeadingNumber, HugeInputsGiveInfinityOrZeroWithoutFailing) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(ReadLeadingNumber(u"1e400"), infinity);
    EXPECT_EQ(ReadLeadingNumber(u"-1e400"), -infinity);
    EXPECT_EQ(ReadLeadingNumber(u"1e99999999999999999999999999"), infinity);
    EXPECT_EQ(ReadLeadingNumber(u"1e-400"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(u"1e-99999999999999999999999999"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(std::u16string(5000, u'9')), infinity);
    EXPECT_EQ(ReadLeadingNumber(u"0." + std::u16string(5000, u'0') + u"1"), 0.0);
    EXPECT_EQ(ReadLeadingNumber(u"&H" + std::u16string(400, u'F')), infinity);
}

TEST(ReadLeadingNumber, LongDigitStringsKeepTheirValue) {
    // 1 followed by 1000 zeros, then a fraction, scaled back down by the exponent.
    const std::u16string digits = u"1" + std::u16string(1000, u'0') + u".5e-1000";
    EXPECT_EQ(ReadLeadingNumber(digits), 1.0);
    // A nonzero digit far beyond the kept digits still decides a halfway case upwards.
    const std::u16string halfway = u"9007199254740993" + std::u16string(900, u'0') + u"1e-901";
    EXPECT_EQ(ReadLeadingNumber(halfway), 9007199254740994.0);
    const std::u16string leadingZeros = u"0." + std::u16string(1000, u'0') + u"25e1001";
    EXPECT_EQ(ReadLeadingNumber(leadingZeros), 2.5);
}

struct RoundCase {
    double value;
    std::optional<std::int16_t> expected;
};

TEST(RoundToInt16, RoundsHalvesToEvenAndRejectsWhatDoesNotFit) {
    const RoundCase cases[] = {
        {8.5, 8},
        {9.5, 10},
        {2.5, 2},
        {7.6, 8},
        {-2.5, -2},
        {-3.5, -4},
        {-0.4, 0},
        {0.49999999999999994, 0},
        {32767.0, 32767},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.0, -32768},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {40000.0, std::nullopt},
        {1e300, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {-std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const RoundCase& c : cases)
        EXPECT_EQ(RoundToInt16(c.value), c.expected) << c.value;
}

struct NumericCase {
    std::u16string text;
    std::optional<double> expected;
};

TEST(ParseNumericText, AcceptsWholeNumbersAsTyped) {
    const NumericCase cases[] = {
        {u"7", 7},
        {u" 7 ", 7},
        {u"\u30007\t", 7},
        {u"7.6", 7.6},
        {u"-1", -1},
        {u"+3", 3},
        {u".5", 0.5},
        {u"5.", 5},
        {u"1,234", 1234},
        {u"1,234,567.5", 1234567.5},
        {u"1,2", 12},
        {u"1e3", 1000},
        {u"1E+3", 1000},
        {u"25e-1", 2.5},
        {u"1D2", 100},
        {u"&HFF", 255},
        {u"&HFFFF", -1},
        {u"&O10", 8},
        {u"", std::nullopt},
        {u"   ", std::nullopt},
        {u"abc", std::nullopt},
        {u"7x", std::nullopt},
        {u"1 2", std::nullopt},
        {u"-", std::nullopt},
        {u".", std::nullopt},
        {u"1e", std::nullopt},
        {u"1e+", std::nullopt},
        {u"e3", std::nullopt},
        {u",1", std::nullopt},
        {u"1,", std::nullopt},
        {u"1,,2", std::nullopt},
        {u"1.2,3", std::nullopt},
        {u"1.2.3", std::nullopt},
        {u"&H", std::nullopt},
        {u"&HFG", std::nullopt},
        {u"&", std::nullopt},
        {u"--1", std::nullopt},
        {u"1-", std::nullopt},
        {std::u16string(u"1\0", 2), std::nullopt},
    };
    for (const NumericCase& c : cases) {
        EXPECT_EQ(ParseNumericText(c.text), c.expected) << testing::PrintToString(c.text);
    }
}

struct ConversionCase {
    std::u16string text;
    Int16Conversion status;
    std::int16_t value;
};

TEST(ConvertToInt16, ReportsNumbersThatAreMissingOrTooLarge) {
    const ConversionCase cases[] = {
        {u"7.6", Int16Conversion::Ok, 8},
        {u"2.5", Int16Conversion::Ok, 2},
        {u" 7 ", Int16Conversion::Ok, 7},
        {u"-1", Int16Conversion::Ok, -1},
        {u"32767", Int16Conversion::Ok, 32767},
        {u"-32768", Int16Conversion::Ok, -32768},
        {u"&HFFFF", Int16Conversion::Ok, -1},
        {u"40000", Int16Conversion::OutOfRange, 0},
        {u"32767.5", Int16Conversion::OutOfRange, 0},
        {u"1e400", Int16Conversion::OutOfRange, 0},
        {u"&H10000", Int16Conversion::OutOfRange, 0},
        {u"abc", Int16Conversion::NotANumber, 0},
        {u"", Int16Conversion::NotANumber, 0},
    };
    for (const ConversionCase& c : cases) {
        const Int16Result result = ConvertToInt16(c.text);
        EXPECT_EQ(result.status, c.status) << testing::PrintToString(c.text);
        EXPECT_EQ(result.value, c.value) << testing::PrintToString(c.text);
        EXPECT_EQ(result.ok(), c.status == Int16Conversion::Ok);
    }
}

}  // namespace
