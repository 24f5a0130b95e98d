#pragma once

#include <cstdint>
#include <string>

// A walk over every two-byte code of code page 936, and a fingerprint of what it decodes to.

// Every two-byte code, lead bytes 0x81 to 0xFE, trail bytes 0x40 to 0xFE without 0x7F.
inline std::string AllTwoByteCodes() {
    std::string bytes;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F)
                continue;
            bytes.push_back(static_cast<char>(lead));
            bytes.push_back(static_cast<char>(trail));
        }
    }
    return bytes;
}

// FNV-1a over the UTF-16 units, low byte first.
inline std::uint64_t Fingerprint(const std::u16string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (char16_t c : text) {
        for (unsigned byte : {c & 0xFFu, static_cast<unsigned>(c) >> 8}) {
            hash ^= byte;
            hash *= 0x100000001b3ULL;
        }
    }
    return hash;
}

// The fingerprint of the walk decoded with Windows' own table (c_936.nls).
constexpr std::uint64_t kWindowsTwoByteFingerprint = 0x7E34DBCA8ADB9989ULL;
