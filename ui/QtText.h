#pragma once

#include <QString>

#include <string_view>

// The core keeps its texts as std::u16string; a window turns one into a QString here, and back
// with QString::toStdU16String().
inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
