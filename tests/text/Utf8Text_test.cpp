#include "text/Utf8Text.h"

#include <gtest/gtest.h>

namespace {

struct Utf8Case {
    const char* name;
    std::string bytes;
    std::u16string text;
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
    *os << c.name;
}

class Utf8Decode : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Decode, InvalidSequencesBecomeReplacementCharacters) {
    EXPECT_EQ(DecodeUtf8(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Decode,
    testing::Values(Utf8Case{"ascii", "a", u"a"}, Utf8Case{"twoBytes", "\xC3\xA9", u"é"},
                    Utf8Case{"threeBytes", "\xE4\xB8\xAD", u"中"},
                    Utf8Case{"fourBytes", "\xF0\x9F\x98\x80", u"\U0001F600"},
                    Utf8Case{"cutShort", "\xE4\xB8", u"\uFFFD\uFFFD"},
                    Utf8Case{"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
                    Utf8Case{"surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                    Utf8Case{"beyondU10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                    Utf8Case{"strayBytes", "\x80x\xFF", u"\uFFFDx\uFFFD"}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.name); });

TEST(Utf8Encode, EncodesAndReplacesUnpairedSurrogates) {
    EXPECT_EQ(EncodeUtf8(u"a中\U0001F600"), "a\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(EncodeUtf8(std::u16string(1, u'\xD800') + u"x"), "\xEF\xBF\xBDx");
}

}  // namespace
