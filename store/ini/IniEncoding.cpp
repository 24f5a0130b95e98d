#include "store/ini/IniEncoding.h"

#include "text/Cp936.h"
#include "text/Utf8Text.h"

namespace {
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
}  // namespace

IniEncoding DetectIniEncoding(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Mark))
        return IniEncoding::Utf8;
    if (bytes.starts_with(kUtf16LeMark))
        return IniEncoding::Utf16Le;
    return IniEncoding::Cp936;
}

std::size_t ByteOrderMarkSize(IniEncoding encoding) {
    switch (encoding) {
        case IniEncoding::Utf8:
            return kUtf8Mark.size();
        case IniEncoding::Utf16Le:
            return kUtf16LeMark.size();
        case IniEncoding::Cp936:
            break;
    }
    return 0;
}

std::size_t CodeUnitSize(IniEncoding encoding) {
    return encoding == IniEncoding::Utf16Le ? 2 : 1;
}

std::u16string DecodeIniText(std::string_view bytes, IniEncoding encoding) {
    switch (encoding) {
        case IniEncoding::Utf8:
            return DecodeUtf8(bytes);
        case IniEncoding::Utf16Le: {
            std::u16string text(bytes.size() / 2, u'\0');
            for (std::size_t i = 0; i < text.size(); ++i) {
                text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                                static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
            }
            return text;
        }
        case IniEncoding::Cp936:
            break;
    }
    return DecodeCp936(bytes);
}

std::string EncodeIniText(std::u16string_view text, IniEncoding encoding) {
    switch (encoding) {
        case IniEncoding::Utf8:
            return EncodeUtf8(text);
        case IniEncoding::Utf16Le: {
            std::string bytes(text.size() * 2, '\0');
            for (std::size_t i = 0; i < text.size(); ++i) {
                bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
                bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
            }
            return bytes;
        }
        case IniEncoding::Cp936:
            break;
    }
    return EncodeCp936(text);
}
