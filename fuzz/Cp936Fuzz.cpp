// Code page 936: decoding never fails, every decoded text can be stored again, and every byte
// string that decodes without a replacement comes back byte for byte. The input read as UTF-16
// units goes the other way: a text that fits comes back unchanged.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "text/Cp936.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(bytes), size);
    const std::u16string decoded = DecodeCp936(input);
    Check(FitsCp936(decoded), "a decoded text fits code page 936");
    const std::string encoded = EncodeCp936(decoded);
    Check(DecodeCp936(encoded) == decoded, "a decoded text survives encoding and decoding");
    // "?" stands for a byte that cannot be decoded; 0x3F is never a trail byte, so each "?" byte
    // decodes to a "?" of its own and any further "?" is a replacement.
    const bool fullyDecoded = std::count(decoded.begin(), decoded.end(), u'?') ==
                              std::count(input.begin(), input.end(), '?');
    Check(!fullyDecoded || encoded == input, "fully decodable bytes round-trip");

    std::u16string units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    if (FitsCp936(units))
        Check(DecodeCp936(EncodeCp936(units)) == units, "a text that fits round-trips");
    return 0;
}
