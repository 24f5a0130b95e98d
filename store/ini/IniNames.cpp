#include "store/ini/IniNames.h"

#include <algorithm>

#include "text/TextTrim.h"

namespace {

bool IsLineBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v';
}

char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c;
}

}  // namespace

std::u16string_view TrimIniBlanks(std::u16string_view text) {
    return TrimWhere(text, IsLineBlank);
}

std::u16string_view TrimIniArgument(std::u16string_view text) {
    return TrimWhere(text, [](char16_t c) { return c == u' '; });
}

bool IniNamesEqual(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b,
                              [](char16_t x, char16_t y) { return FoldAscii(x) == FoldAscii(y); });
}

std::u16string FoldIniName(std::u16string_view name) {
    std::u16string folded(name);
    std::ranges::transform(folded, folded.begin(), FoldAscii);
    return folded;
}
