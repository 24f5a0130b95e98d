#include "store/ini/IniLines.h"

#include <algorithm>

namespace {

constexpr unsigned kCarriageReturn = 0x0D;
constexpr unsigned kLineFeed = 0x0A;

struct UnitReader {
    std::string_view bytes;
    std::size_t unitSize;
    // The code unit at the offset, which lies before limit().
    unsigned at(std::size_t offset) const {
        unsigned value = static_cast<unsigned char>(bytes[offset]);
        if (unitSize == 2)
            value |= static_cast<unsigned>(static_cast<unsigned char>(bytes[offset + 1])) << 8;
        return value;
    }
    // The end of the last complete unit.
    std::size_t limit() const { return bytes.size() - bytes.size() % unitSize; }
};

}  // namespace

std::vector<IniLine> SplitIniLines(std::string_view bytes, IniEncoding encoding) {
    const UnitReader units{bytes, CodeUnitSize(encoding)};
    const std::size_t step = units.unitSize;
    const std::size_t limit = units.limit();
    std::vector<IniLine> lines;
    std::size_t offset = std::min(ByteOrderMarkSize(encoding), bytes.size());
    while (offset < bytes.size()) {
        IniLine line;
        line.begin = offset;
        line.readEnd = std::string_view::npos;
        std::size_t at = offset;
        while (at < limit) {
            const unsigned unit = units.at(at);
            if (unit == kCarriageReturn || unit == kLineFeed)
                break;
            if (unit == 0 && line.readEnd == std::string_view::npos)
                line.readEnd = at;
            at += step;
        }
        if (at >= limit)
            at = bytes.size();  // an odd trailing byte of a UTF-16 file is text
        line.textEnd = at;
        if (line.readEnd == std::string_view::npos)
            line.readEnd = at;
        if (at < limit) {
            const bool crLf = units.at(at) == kCarriageReturn && at + step < limit &&
                              units.at(at + step) == kLineFeed;
            at += crLf ? 2 * step : step;
        }
        line.end = at;
        lines.push_back(line);
        offset = at;
    }
    return lines;
}
