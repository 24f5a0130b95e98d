#include "platform/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

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
