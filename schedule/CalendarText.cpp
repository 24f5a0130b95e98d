#include "schedule/CalendarText.h"

#include <cstdio>

#include "text/Utf8Text.h"

namespace {

constexpr std::size_t kMaxLineOctets = 75;

bool IsContinuationOctet(char octet) {
    return (static_cast<unsigned char>(octet) & 0xC0) == 0x80;
}

}  // namespace

std::string EscapeCalendarText(std::u16string_view text) {
    std::string escaped;
    const std::string utf8 = EncodeUtf8(text);
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
                ++i;
            escaped += "\\n";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string FoldCalendarLine(std::string_view line) {
    std::string folded;
    // The first line holds 75 octets, each continuation its space and 74.
    std::size_t room = kMaxLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && IsContinuationOctet(line[cut]))
            --cut;
        folded.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        room = kMaxLineOctets - 1;
    }
    folded.append(line).append("\r\n");
    return folded;
}

std::string CalendarLocalTime(std::chrono::local_seconds time) {
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss clock{time - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02d", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

std::string CalendarUtcTime(std::chrono::sys_seconds time) {
    return CalendarLocalTime(std::chrono::local_seconds{time.time_since_epoch()}) + "Z";
}

std::string CalendarOffset(std::chrono::seconds offset) {
    const char sign = offset < std::chrono::seconds{0} ? '-' : '+';
    const std::chrono::hh_mm_ss parts{offset < std::chrono::seconds{0} ? -offset : offset};
    char text[16];
    std::snprintf(text, sizeof text, "%c%02d%02d", sign, static_cast<int>(parts.hours().count()),
                  static_cast<int>(parts.minutes().count()));
    std::string written = text;
    if (parts.seconds().count() != 0) {
        std::snprintf(text, sizeof text, "%02d", static_cast<int>(parts.seconds().count()));
        written += text;
    }
    return written;
}
