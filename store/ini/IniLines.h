#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "store/ini/IniEncoding.h"

// One line of a schedule file, as byte offsets into the file. A line ends at CR LF, at a lone CR
// or at a lone LF; the last line may have no line end.
struct IniLine {
    std::size_t begin = 0;    // first byte of the line's text
    std::size_t readEnd = 0;  // the text that is parsed ends here: at the first NUL, or at textEnd
    std::size_t textEnd = 0;  // where the line end starts
    std::size_t end = 0;      // first byte after the line end
    bool hasLineEnd() const { return textEnd != end; }
};

// The lines of a file's content after its byte order mark. Lines of a UTF-16 file are split on
// 16-bit units, so a byte 0x0D or 0x0A inside a character is not a line end.
std::vector<IniLine> SplitIniLines(std::string_view bytes, IniEncoding encoding);
