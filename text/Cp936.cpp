#include "text/Cp936.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "text/Utf16.h"

namespace {

constexpr char16_t kEuroSign = 0x20AC;         // the single byte 0x80
constexpr char16_t kPrivateUseForFF = 0xF8F5;  // the single byte 0xFF
constexpr std::uint16_t kNoCode = 0xFFFF;      // not in code page 936 (no lead byte is 0xFF)

// The two-byte codes: a lead byte from 0x81 to 0xFE followed by a trail byte from 0x40 to 0xFE
// other than 0x7F.
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastLead = 0xFE;
constexpr unsigned kFirstTrail = 0x40;
constexpr unsigned kLastTrail = 0xFE;
constexpr std::size_t kTrailsPerLead = 190;  // 0x40 to 0xFE without 0x7F

constexpr bool IsTrailByte(unsigned byte) {
    return byte >= kFirstTrail && byte <= kLastTrail && byte != 0x7F;
}

// The character of every two-byte code as Windows maps it, at TwoByteIndex(lead, trail); 0 where
// no character is known. Made from text/data/cp936-two-byte.bin by text/CMakeLists.txt.
constexpr char16_t kTwoByteCodes[] = {
#include "text/Cp936TwoByteTable.inc"
};
static_assert(std::size(kTwoByteCodes) == (kLastLead - kFirstLead + 1) * kTrailsPerLead);

constexpr std::size_t TwoByteIndex(unsigned lead, unsigned trail) {
    return (lead - kFirstLead) * kTrailsPerLead + (trail - kFirstTrail) - (trail > 0x7F ? 1 : 0);
}

// The code of each UTF-16 unit: one byte (up to 0xFF) or lead << 8 | trail. Built on first use;
// a fixed array, so building it allocates nothing.
struct EncodeTable {
    std::array<std::uint16_t, 0x10000> codes;

    EncodeTable() {
        codes.fill(kNoCode);
        for (std::uint16_t ascii = 0; ascii <= 0x7F; ++ascii)
            codes[ascii] = ascii;
        for (unsigned lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail) {
                if (!IsTrailByte(trail))
                    continue;
                char16_t c = kTwoByteCodes[TwoByteIndex(lead, trail)];
                if (c > 0x7F)
                    codes[c] = static_cast<std::uint16_t>(lead << 8 | trail);
            }
        }
        codes[kEuroSign] = 0x80;
        codes[kPrivateUseForFF] = 0xFF;
    }
};

const EncodeTable& Encoding() {
    static const EncodeTable table;
    return table;
}

// The code of the character at text[i] (kNoCode when code page 936 cannot hold it), and how many
// UTF-16 units the character takes.
std::uint16_t CodeAt(const EncodeTable& table, std::u16string_view text, std::size_t i,
                     std::size_t& units) {
    units = CharacterLengthAt(text, i);
    return units == 2 ? kNoCode : table.codes[text[i]];
}

}  // namespace

std::u16string DecodeCp936(std::string_view bytes) {
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
        } else if (i + 1 < size && IsTrailByte(static_cast<unsigned char>(bytes[i + 1]))) {
            char16_t c =
                kTwoByteCodes[TwoByteIndex(byte, static_cast<unsigned char>(bytes[i + 1]))];
            text.push_back(c != 0 ? c : u'?');
            ++i;
        } else {
            text.push_back(u'?');  // a lead byte without its trail byte
        }
    }
    return text;
}

std::string EncodeCp936(std::u16string_view text) {
    const EncodeTable& table = Encoding();
    std::string bytes;
    bytes.reserve(text.size() * 2);
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units) {
        std::uint16_t code = CodeAt(table, text, i, units);
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
    const EncodeTable& table = Encoding();
    std::size_t units = 1;
    for (std::size_t i = 0; i < text.size(); i += units) {
        if (CodeAt(table, text, i, units) == kNoCode)
            return false;
    }
    return true;
}
