// Run with TZ=Europe/Berlin.
#include "schedule/CalendarZone.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop/QtTimeZones.h"

namespace {

using namespace std::chrono;

const QtTimeZones kZones;

std::vector<std::string> Observance(const std::string& kind, const std::string& start,
                                    const std::string& from, const std::string& to,
                                    const std::string& rule = {}) {
    std::vector<std::string> lines = {"BEGIN:" + kind, "DTSTART:" + start, "TZOFFSETFROM:" + from,
                                      "TZOFFSETTO:" + to};
    if (!rule.empty())
        lines.push_back("RRULE:" + rule);
    lines.push_back("END:" + kind);
    return lines;
}

std::vector<std::string> Zone(const std::string& id,
                              const std::vector<std::vector<std::string>>& observances) {
    std::vector<std::string> lines = {"BEGIN:VTIMEZONE", "TZID:" + id};
    for (const auto& observance : observances)
        lines.insert(lines.end(), observance.begin(), observance.end());
    lines.push_back("END:VTIMEZONE");
    return lines;
}

TEST(CalendarZone, ZonesAreDescribedByTheirChangesAsYearlyRulesWhereverTheyFollowOne) {
    struct Case {
        const char* written;
        sys_days firstDay;
        std::vector<std::string> lines;
    };
    // The local zone is Europe/Berlin; Windows may name it after another zone of the same rules.
    const std::u16string localName = kZones.LocalZoneName();
    const std::string local(localName.begin(), localName.end());
    const std::vector<Case> cases = {
        {"", sys_days{2026y / 12 / 1},
         Zone(local, {Observance("STANDARD", "20261130T010000", "+0100", "+0100"),
                      Observance("DAYLIGHT", "20270328T020000", "+0100", "+0200",
                                 "FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU"),
                      Observance("STANDARD", "20271031T030000", "+0200", "+0100",
                                 "FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU")})},
        {"America/New_York", sys_days{2005y / 6 / 1},
         Zone("America/New_York",
              {Observance("DAYLIGHT", "20050530T200000", "-0400", "-0400"),
               Observance("STANDARD", "20051030T020000", "-0400", "-0500",
                          "FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU;UNTIL=20061029T060000Z"),
               Observance("DAYLIGHT", "20060402T020000", "-0500", "-0400"),
               Observance("DAYLIGHT", "20070311T020000", "-0500", "-0400",
                          "FREQ=YEARLY;BYMONTH=3;BYDAY=2SU"),
               Observance("STANDARD", "20071104T020000", "-0400", "-0500",
                          "FREQ=YEARLY;BYMONTH=11;BYDAY=1SU")})},
        {"Asia/Shanghai", sys_days{2026y / 12 / 1},
         Zone("Asia/Shanghai", {Observance("STANDARD", "20261130T080000", "+0800", "+0800")})},
        {"UTC+5:30", sys_days{2026y / 12 / 1},
         Zone("UTC+0530", {Observance("STANDARD", "20261130T053000", "+0530", "+0530")})},
    };
    const ZoneContext context{&kZones, {}};
    for (const Case& c : cases) {
        const std::u16string written(c.written,
                                     c.written + std::char_traits<char>::length(c.written));
        EXPECT_EQ(DescribeCalendarZone(CalendarZoneFor(written, context), c.firstDay, &kZones),
                  c.lines)
            << c.written;
    }
}

}  // namespace
