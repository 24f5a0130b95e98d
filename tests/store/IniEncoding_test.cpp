// Encodings of a schedule file: detection by byte order mark, and the UTF-8 conversion.

#include <string>

#include <gtest/gtest.h>

#include "store/IniEncoding.h"
#include "store/Utf8Text.h"

namespace {

TEST(IniEncoding, DetectedFromTheByteOrderMark) {
    EXPECT_EQ(DetectIniEncoding(""), IniEncoding::Cp936);
    EXPECT_EQ(DetectIniEncoding("[s]"), IniEncoding::Cp936);
    EXPECT_EQ(DetectIniEncoding("\xEF\xBB\xBF[s]"), IniEncoding::Utf8);
    EXPECT_EQ(DetectIniEncoding("\xEF\xBB"), IniEncoding::Cp936);
    EXPECT_EQ(DetectIniEncoding("\xFF\xFE"), IniEncoding::Utf16Le);
    EXPECT_EQ(DetectIniEncoding("\xFE\xFF\x00["), IniEncoding::Cp936);  // UTF-16BE: not recognised
}

TEST(IniEncoding, Cp936IsUsedWhateverTheSystemLocale) {
    EXPECT_EQ(EncodeIniText(u"键=值", IniEncoding::Cp936), "\xBC\xFC=\xD6\xB5");
    EXPECT_EQ(DecodeIniText("\xBC\xFC=\xD6\xB5", IniEncoding::Cp936), u"键=值");
}

TEST(IniEncoding, Utf16LeRoundTrip) {
    const std::u16string text = u"中\r\n\U0001F600";
    const std::string bytes = EncodeIniText(text, IniEncoding::Utf16Le);
    EXPECT_EQ(bytes, std::string("\x2D\x4E\x0D\x00\x0A\x00\x3D\xD8\x00\xDE", 10));
    EXPECT_EQ(DecodeIniText(bytes, IniEncoding::Utf16Le), text);
}

struct Utf8Case {
    std::string bytes;
    std::u16string text;
};

class Utf8Decode : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Decode, InvalidSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(DecodeUtf8(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Decode,
    testing::Values(Utf8Case{"a", u"a"}, Utf8Case{"\xC3\xA9", u"é"},
                    Utf8Case{"\xE4\xB8\xAD", u"中"}, Utf8Case{"\xF0\x9F\x98\x80", u"\U0001F600"},
                    Utf8Case{"\xE4\xB8", u"\uFFFD\uFFFD"},                      // cut short
                    Utf8Case{"\xC0\xAF", u"\uFFFD\uFFFD"},                      // overlong
                    Utf8Case{"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},            // surrogate
                    Utf8Case{"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
                    Utf8Case{"\x80x\xFF", u"\uFFFDx\uFFFD"}));

TEST(Utf8Encode, EncodesAndReplacesUnpairedSurrogates) {
    EXPECT_EQ(EncodeUtf8(u"a中\U0001F600"), "a\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(EncodeUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
}

}  // namespace
