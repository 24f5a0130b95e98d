#include "platform/Cp936.h"

#include <cstdint>
#include <vector>

#include "platform/Cp936TwoByteCodes.h"

namespace {

constexpr char16_t kEuroSign = 0x20AC;         // the single byte 0x80
constexpr char16_t kPrivateUseForFF = 0xF8F5;  // the single byte 0xFF
constexpr std::uint16_t kNoCode = 0xFFFF;      // not in code page 936 (no lead byte is 0xFF)

struct Cp936Tables {
    std::vector<char16_t> decode = LoadCp936TwoByteCodes();
    // The code of each UTF-16 unit: one byte (up to 0xFF) or lead << 8 | trail.
    std::vector<std::uint16_t> encode = BuildEncodeTable(decode);

    static std::vector<std::uint16_t> BuildEncodeTable(const std::vector<char16_t>& decode) {
        std::vector<std::uint16_t> encode(0x10000, kNoCode);
        for (std::uint16_t ascii = 0; ascii <= 0x7F; ++ascii)
            encode[ascii] = ascii;
        for (unsigned lead = kCp936FirstLead; lead <= kCp936LastLead; ++lead) {
            for (unsigned trail = 0; trail <= 0xFF; ++trail) {
                char16_t c = decode[Cp936TwoByteIndex(lead, trail)];
                if (c > 0x7F)
                    encode[c] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
        encode[kEuroSign] = 0x80;
        encode[kPrivateUseForFF] = 0xFF;
        return encode;
    }
};

const Cp936Tables& Tables() {
    static const Cp936Tables tables;
    return tables;
}

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// The code of the character at text[i] (kNoCode when code page 936 cannot hold it), and how many
// UTF-16 units the character takes.
std::uint16_t CodeAt(const Cp936Tables& tables, std::u16string_view text, std::size_t i,
                     std::size_t& units) {
    char16_t c = text[i];
    units = 1;
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        units = 2;
        return kNoCode;
    }
    return tables.encode[c];
}

}  // namespace

std::u16string DecodeCp936(std::string_view bytes) {
    const Cp936Tables& tables = Tables();
    std::u16string text;
    text.reserve(bytes.size());
    const std::size_t size = bytes.size();
    for (std::size_t i = 0; i < size; ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte <= 0x7F) {
            text.push_back(byte);
        } else if (byte == 0x80) {
            text.push_back(kEuroSign);
        } else if (byte == 0xFF) {
            text.push_back(kPrivateUseForFF);
        } else if (i + 1 < size && IsCp936TrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            char16_t c =
                tables.decode[Cp936TwoByteIndex(byte, static_cast<unsigned char>(bytes[i + 1]))];
            text.push_back(c != 0 ? c : u'?');
            ++i;
        } else {
            text.push_back(u'?');  // a lead byte without its trail byte
        }
    }
    return text;
}

std::string EncodeCp936(std::u16string_view text) {
    const Cp936Tables& tables = Tables();
    std::string bytes;
    bytes.reserve(text.size() * 2);
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units) {
        std::uint16_t code = CodeAt(tables, text, i, units);
        if (code == kNoCode) {
            bytes.push_back('?');
        } else if (code <= 0xFF) {
            bytes.push_back(static_cast<char>(code));
        } else {
            bytes.push_back(static_cast<char>(code >> 8));
            bytes.push_back(static_cast<char>(code & 0xFF));
        }
    }
    return bytes;
}

bool FitsCp936(std::u16string_view text) {
    const Cp936Tables& tables = Tables();
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units) {
        if (CodeAt(tables, text, i, units) == kNoCode)
            return false;
    }
    return true;
}
