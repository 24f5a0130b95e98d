// Encodings of a schedule file: detection by byte order mark and conversion.

#include <string>

#include <gtest/gtest.h>

#include "store/ini/IniEncoding.h"

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

}  // namespace
