#pragma once

#include <cstddef>
#include <vector>

// The two-byte codes of code page 936: a lead byte from 0x81 to 0xFE followed by a trail byte from
// 0x40 to 0xFE other than 0x7F.
constexpr unsigned char kCp936FirstLead = 0x81;
constexpr unsigned char kCp936LastLead = 0xFE;
constexpr std::size_t kCp936TwoByteTableSize = (kCp936LastLead - kCp936FirstLead + 1) * 256;

constexpr bool IsCp936LeadByte(unsigned char byte) {
    return byte >= kCp936FirstLead && byte <= kCp936LastLead;
}

constexpr bool IsCp936TrailByte(unsigned char byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

constexpr std::size_t Cp936TwoByteIndex(unsigned char lead, unsigned char trail) {
    return (lead - kCp936FirstLead) * 256 + trail;
}

// The character of every two-byte code as Windows maps it, at Cp936TwoByteIndex(lead, trail);
// 0 where no character is known. Throws std::system_error when the system offers no converter.
std::vector<char16_t> LoadCp936TwoByteCodes();
