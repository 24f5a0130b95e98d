#include "schedule/CalendarText.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(CalendarText, TextIsEscapedAndLinesFoldedAt75OctetsWithoutSplittingACharacter) {
    struct EscapeCase {
        std::u16string name;
        std::string escaped;
    };
    const EscapeCase escapes[] = {
        {u"晨读", "晨读"},
        {u"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {u"一\r\n二\n三\r四", "一\\n二\\n三\\n四"},
    };
    for (const EscapeCase& c : escapes)
        EXPECT_EQ(EscapeCalendarText(c.name), c.escaped);

    struct FoldCase {
        std::string line;
        std::string folded;
    };
    const std::string a75(75, 'a');
    const std::string b74(74, 'b');
    const FoldCase folds[] = {
        {"", "\r\n"},
        {a75, a75 + "\r\n"},
        {a75 + "b", a75 + "\r\n b\r\n"},
        {a75 + b74 + "c", a75 + "\r\n " + b74 + "\r\n c\r\n"},
        // 73 octets, then a character of three that would pass 75: it goes to the next line.
        {std::string(73, 'a') + "签到", std::string(73, 'a') + "\r\n 签到\r\n"},
    };
    for (const FoldCase& c : folds)
        EXPECT_EQ(FoldCalendarLine(c.line), c.folded) << c.line;
}

TEST(CalendarText, TimesAndOffsetsAreWrittenAsICalendarWritesThem) {
    using namespace std::chrono;
    const local_seconds wall = local_days{2026y / 12 / 1} + 20h + 5min + 9s;
    EXPECT_EQ(CalendarLocalTime(wall), "20261201T200509");
    EXPECT_EQ(CalendarUtcTime(sys_seconds{wall.time_since_epoch()}), "20261201T200509Z");
    struct OffsetCase {
        seconds offset;
        std::string written;
    };
    const OffsetCase offsets[] = {
        {0s, "+0000"}, {8h, "+0800"}, {-(3h + 30min), "-0330"}, {53min + 28s, "+005328"}};
    for (const OffsetCase& c : offsets)
        EXPECT_EQ(CalendarOffset(c.offset), c.written);
}

}  // namespace
