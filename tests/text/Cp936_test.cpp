#include "text/Cp936.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/text/Cp936Walk.h"

namespace {

struct CodeCase {
    std::string bytes;
    char16_t character;
};

// Recorded from Windows' table of code page 936 (c_936.nls). The rows marked "gap" and the
// user-defined areas are the codes where glibc's GBK has no character at all.
const CodeCase kWindowsCodes[] = {
    {"\x80", u'\u20AC'},
    {"\xFF", u'\uF8F5'},
    {"A", u'A'},
    {"\x81\x40", u'\u4E02'},
    {"\x81\x80", u'\u4E90'},
    {"\x81\xFE", u'\u4FA2'},
    {"\xA1\xA1", u'\u3000'},
    {"\xA1\xA4", u'\u00B7'},
    {"\xA3\xBA", u'\uFF1A'},
    {"\xA3\xAC", u'\uFF0C'},
    {"\xA8\xA6", u'\u00E9'},
    {"\xB0\xA1", u'\u554A'},
    {"\xD6\xD0", u'\u4E2D'},
    {"\xCE\xC4", u'\u6587'},
    {"\xF7\xFE", u'\u9F44'},
    {"\xFE\x4F", u'\uFA29'},
    {"\xA2\xA1", u'\u2170'},
    {"\xA2\xE2", u'\u2469'},
    {"\xA2\xF1", u'\u2160'},
    {"\xA8\x40", u'\u02CA'},
    {"\xA8\x95", u'\u301E'},
    {"\xA8\xBB", u'\u0251'},
    {"\xA9\x96", u'\u3007'},
    // User-defined areas, in Windows order.
    {"\xAA\xA1", u'\uE000'},
    {"\xAF\xFE", u'\uE233'},
    {"\xF8\xA1", u'\uE234'},
    {"\xFE\xA1", u'\uE468'},
    {"\xFE\xFE", u'\uE4C5'},
    {"\xA1\x40", u'\uE4C6'},
    {"\xA6\xA0", u'\uE705'},
    {"\xA7\xA0", u'\uE765'},
    // Gaps of GBK.
    {"\xA2\xAB", u'\uE766'},
    {"\xA2\xE3", u'\uE76C'},
    {"\xA6\xF3", u'\uE796'},
    {"\xA8\xBC", u'\uE7C7'},
    {"\xA9\x58", u'\uE7E2'},
    {"\xA9\xA3", u'\uE800'},
    {"\xD7\xFA", u'\uE810'},
    {"\xFE\x50", u'\uE815'},
    {"\xFE\x7E", u'\uE843'},
    {"\xFE\x80", u'\uE844'},
    {"\xFE\xA0", u'\uE864'},
};

TEST(Cp936, DecodesAsWindows) {
    for (const CodeCase& code : kWindowsCodes) {
        EXPECT_EQ(DecodeCp936(code.bytes), std::u16string(1, code.character))
            << "code " << testing::PrintToString(code.bytes);
    }
}

TEST(Cp936, EncodesAsWindows) {
    for (const CodeCase& code : kWindowsCodes) {
        EXPECT_EQ(EncodeCp936(std::u16string(1, code.character)), code.bytes)
            << "character U+" << std::hex << static_cast<int>(code.character);
    }
}

TEST(Cp936, WholeTwoByteTableMatchesWindows) {
    std::u16string decoded = DecodeCp936(AllTwoByteCodes());
    ASSERT_EQ(decoded.size(), 126u * 190u);
    EXPECT_EQ(Fingerprint(decoded), kWindowsTwoByteFingerprint);
}

TEST(Cp936, EveryCodeRoundTrips) {
    std::string codes = AllTwoByteCodes();
    EXPECT_EQ(EncodeCp936(DecodeCp936(codes)), codes);
}

TEST(Cp936, BadBytesBecomeOneQuestionMarkEach) {
    const struct {
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"\x81", u"?"},            // truncated at the end
        {"a\xD6", u"a?"},          // truncated after text
        {"\xD6\xD0\xD6", u"中?"},  // a character, then a lone lead byte
        {"\x81"
         "A",
         u"\u4E04"},  // 'A' is a trail byte: one character
        {"\x81"
         "0",
         u"?0"},                 // '0' is no trail byte: it stays
        {"\x81\x7F", u"?\x7F"},  // 0x7F is no trail byte
        {"\x81\r\n", u"?\r\n"},
        {std::string("\x81\0x", 3), std::u16string(u"?\0x", 3)},
        {"\x81\xFF", u"?\uF8F5"},      // 0xFF is no trail byte but a character
        {"\xD6\x81\xD0", u"\u8B25?"},  // lead+lead pairs up (0xD681), then a lone lead
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeCp936(c.bytes), c.text) << testing::PrintToString(c.bytes);
    }
}

TEST(Cp936, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    const struct {
        std::u16string text;
        std::string bytes;
        bool fits;
    } cases[] = {
        {u"", "", true},
        {u"abc?", "abc?", true},
        {u"中文", "\xD6\xD0\xCE\xC4", true},
        {u"€\uF8F5\uE000", "\x80\xFF\xAA\xA1", true},
        // Windows would substitute look-alikes for these (best fit): ￠ ￥ a à μ.
        {u"\u00A2", "?", false},
        {u"\u00A5", "?", false},
        {u"\u00AA", "?", false},
        {u"\u00C0", "?", false},
        {u"\u00B5", "?", false},
        {u"\u0080", "?", false},
        {u"x\U0001F600y", "x?y", false},  // one "?" for a surrogate pair
        {std::u16string(u"a\xD800"
                        "b"),
         "a?b", false},  // a lone surrogate
        {std::u16string(1, u'\xDC00'), "?", false},
        {u"\uFFFD", "?", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeCp936(c.text), c.bytes) << testing::PrintToString(c.bytes);
        EXPECT_EQ(FitsCp936(c.text), c.fits) << testing::PrintToString(c.bytes);
    }
}

TEST(Cp936, ScheduleLineRoundTrips) {
    const std::u16string line = u"红包刷新时间=00:00,08:00|每日；（）【】、：，";
    std::string bytes = EncodeCp936(line);
    EXPECT_EQ(bytes.size(), 12u + 13u + 4u + 16u);  // two bytes for each Chinese character
    EXPECT_EQ(DecodeCp936(bytes), line);
    EXPECT_TRUE(FitsCp936(line));
}

}  // namespace
