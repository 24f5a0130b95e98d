#include <windows.h>

#include "platform/Cp936TwoByteCodes.h"

std::vector<char16_t> LoadCp936TwoByteCodes() {
    std::vector<char16_t> table(kCp936TwoByteTableSize, 0);
    for (unsigned lead = kCp936FirstLead; lead <= kCp936LastLead; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFE; ++trail) {
            if (!IsCp936TrailByte(static_cast<unsigned char>(trail)))
                continue;
            const char code[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t c = 0;
            if (MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, code, 2, &c, 1) == 1) {
                table[Cp936TwoByteIndex(static_cast<unsigned char>(lead),
                                        static_cast<unsigned char>(trail))] =
                    static_cast<char16_t>(c);
            }
        }
    }
    return table;
}
