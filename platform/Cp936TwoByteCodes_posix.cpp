#include <iconv.h>

#include <cerrno>
#include <system_error>

#include "platform/Cp936TwoByteCodes.h"

namespace {

// glibc's GBK leaves these codes out; Windows gives every one of them a private-use character,
// starting at U+E000: first the three user-defined areas, then the remaining gaps in byte order.
struct CodeRange {
    unsigned short first;
    unsigned short last;
};

constexpr CodeRange kUserDefinedAreas[] = {{0xAAA1, 0xAFFE}, {0xF8A1, 0xFEFE}, {0xA140, 0xA7A0}};

constexpr CodeRange kGbkGaps[] = {
    {0xA2AB, 0xA2B0}, {0xA2E3, 0xA2E4}, {0xA2EF, 0xA2F0}, {0xA2FD, 0xA2FE}, {0xA4F4, 0xA4FE},
    {0xA5F7, 0xA5FE}, {0xA6B9, 0xA6C0}, {0xA6D9, 0xA6DF}, {0xA6EC, 0xA6ED}, {0xA6F3, 0xA6F3},
    {0xA6F6, 0xA6FE}, {0xA7C2, 0xA7D0}, {0xA7F2, 0xA7FE}, {0xA896, 0xA8A0}, {0xA8BC, 0xA8BC},
    {0xA8BF, 0xA8BF}, {0xA8C1, 0xA8C4}, {0xA8EA, 0xA8FE}, {0xA958, 0xA958}, {0xA95B, 0xA95B},
    {0xA95D, 0xA95F}, {0xA989, 0xA995}, {0xA997, 0xA9A3}, {0xA9F0, 0xA9FE}, {0xD7FA, 0xD7FE},
    {0xFE50, 0xFE7E}, {0xFE80, 0xFEA0}};

// Walks the codes of a range row by row: the lead bytes from first to last, and for each lead the
// trail bytes between the trail bytes of first and last.
template <typename Visit>
void ForEachCode(CodeRange range, Visit visit) {
    for (unsigned lead = range.first >> 8; lead <= (range.last >> 8); ++lead) {
        for (unsigned trail = range.first & 0xFF; trail <= (range.last & 0xFFu); ++trail) {
            if (IsCp936TrailByte(static_cast<unsigned char>(trail))) {
                visit(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail));
            }
        }
    }
}

class GbkDecoder {
  public:
    GbkDecoder() : converter_(iconv_open("UTF-16LE", "GBK")) {
        if (converter_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::system_error(errno, std::generic_category(), "iconv_open GBK");
        }
    }
    ~GbkDecoder() { iconv_close(converter_); }
    GbkDecoder(const GbkDecoder&) = delete;
    GbkDecoder& operator=(const GbkDecoder&) = delete;

    // The character of one two-byte code, or 0 when glibc has none.
    char16_t Decode(unsigned char lead, unsigned char trail) {
        char input[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        unsigned char output[4];
        char* in = input;
        char* out = reinterpret_cast<char*>(output);
        std::size_t inLeft = sizeof input;
        std::size_t outLeft = sizeof output;
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);
        if (iconv(converter_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || outLeft != sizeof output - 2) {
            return 0;
        }
        return static_cast<char16_t>(output[0] | output[1] << 8);
    }

  private:
    iconv_t converter_;
};

}  // namespace

std::vector<char16_t> LoadCp936TwoByteCodes() {
    std::vector<char16_t> table(kCp936TwoByteTableSize, 0);
    char16_t privateUse = 0xE000;
    auto assignPrivateUse = [&](unsigned char lead, unsigned char trail) {
        table[Cp936TwoByteIndex(lead, trail)] = privateUse++;
    };
    for (CodeRange range : kUserDefinedAreas)
        ForEachCode(range, assignPrivateUse);
    for (CodeRange range : kGbkGaps)
        ForEachCode(range, assignPrivateUse);

    GbkDecoder gbk;
    ForEachCode({0x8140, 0xFEFE}, [&](unsigned char lead, unsigned char trail) {
        char16_t& entry = table[Cp936TwoByteIndex(lead, trail)];
        if (entry == 0)
            entry = gbk.Decode(lead, trail);
    });
    return table;
}
