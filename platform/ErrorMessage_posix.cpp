#include "platform/ErrorMessage.h"

namespace {

int Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The character of the UTF-8 sequence at bytes[i], or U+FFFD (with length 1) when it is malformed.
char32_t DecodeUtf8At(std::string_view bytes, std::size_t i, int& length) {
    auto lead = static_cast<unsigned char>(bytes[i]);
    length = Utf8SequenceLength(lead);
    if (length == 1)
        return lead;
    bool valid = length > 0 && i + length <= bytes.size();
    char32_t c = lead & (0x7F >> length);
    for (int k = 1; valid && k < length; ++k) {
        auto next = static_cast<unsigned char>(bytes[i + k]);
        valid = (next & 0xC0) == 0x80;
        c = c << 6 | (next & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (!valid || c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        length = 1;
        return U'\uFFFD';
    }
    return c;
}

}  // namespace

// The system's messages are UTF-8 (ASCII in the C locale).
std::u16string SystemErrorMessage(std::error_code error) {
    const std::string bytes = error.message();
    std::u16string text;
    int length = 1;
    for (std::size_t i = 0; i < bytes.size(); i += length) {
        char32_t c = DecodeUtf8At(bytes, i, length);
        if (c >= 0x10000) {
            text.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(c));
        }
    }
    return text;
}
