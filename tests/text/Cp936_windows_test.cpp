#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/text/Cp936Walk.h"
#include "text/Cp936.h"
#include "text/Utf16.h"

namespace {

// Windows' own conversions of code page 936.
std::u16string WindowsDecode(const std::string& bytes) {
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(936, 0, bytes.data(), size, nullptr, 0);
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(936, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                        length);
    return text;
}

// Without best fit, as this program encodes: a character that the code page does not hold
// becomes "?" (usedDefault is then set), never a look-alike.
std::string WindowsEncode(const std::u16string& text, BOOL& usedDefault) {
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, units, size, nullptr, 0, "?", nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    usedDefault = FALSE;
    WideCharToMultiByte(936, WC_NO_BEST_FIT_CHARS, units, size, bytes.data(), length, "?",
                        &usedDefault);
    return bytes;
}

// Lists the first few items where two conversions differ, and how many there are.
class Differences {
  public:
    void Add(const std::string& item) {
        if (count++ < 10)
            list << item << ' ';
    }
    int Count() const { return count; }
    std::string List() const { return list.str(); }

  private:
    int count = 0;
    std::ostringstream list;
};

TEST(Cp936Windows, EveryCodeDecodesAsWindowsDoes) {
    std::string codes = AllTwoByteCodes();
    const std::u16string windows = WindowsDecode(codes);
    ASSERT_EQ(windows.size(), codes.size() / 2);
    EXPECT_EQ(Fingerprint(windows), kWindowsTwoByteFingerprint);

    // The single bytes: ASCII, 0x80 ("€") and 0xFF.
    for (int byte = 0; byte <= 0x80; ++byte)
        codes.push_back(static_cast<char>(byte));
    codes.push_back('\xFF');
    const std::u16string ours = DecodeCp936(codes);
    const std::u16string theirs = WindowsDecode(codes);
    ASSERT_EQ(ours.size(), theirs.size());
    Differences differences;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        if (ours[i] != theirs[i])
            differences.Add("character " + std::to_string(i));
    }
    EXPECT_EQ(differences.Count(), 0) << differences.List();
}

TEST(Cp936Windows, EveryCharacterEncodesAsWindowsDoesWithoutBestFit) {
    Differences differences;
    int held = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (IsHighSurrogate(static_cast<char16_t>(c)) || IsLowSurrogate(static_cast<char16_t>(c)))
            continue;
        const std::u16string text(1, static_cast<char16_t>(c));
        BOOL usedDefault = FALSE;
        const std::string windows = WindowsEncode(text, usedDefault);
        held += !usedDefault;
        if (EncodeCp936(text) != windows || FitsCp936(text) != !usedDefault) {
            std::ostringstream item;
            item << "U+" << std::hex << std::uppercase << static_cast<unsigned>(c);
            differences.Add(item.str());
        }
    }
    EXPECT_EQ(differences.Count(), 0) << differences.List();
    // Every two-byte code, ASCII and 0x80 and 0xFF stand for a character of their own.
    EXPECT_EQ(held, 126 * 190 + 128 + 2);
}

}  // namespace
