#include "editor/OptionsEntry.h"

#include <string>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

// A database that knows two zones.
class TwoZones final : public TimeZones {
  public:
    bool Exists(std::u16string_view ianaName) const override {
        return ianaName == u"Asia/Shanghai" || ianaName == u"Europe/Berlin";
    }
    seconds OffsetAt(std::u16string_view, sys_seconds) const override { return {}; }
    seconds LocalOffsetAt(sys_seconds) const override { return {}; }
    std::vector<ZoneTransition> TransitionsBetween(std::u16string_view, sys_seconds,
                                                   sys_seconds) const override {
        return {};
    }
    std::u16string LocalZoneName() const override { return u"UTC"; }
};

constexpr year_month_day kDecember1 = 2026y / December / 1;
constexpr year_month_day kDecember31 = 2026y / December / 31;

OptionsEntry With(void (*change)(OptionsEntry&)) {
    OptionsEntry entry;
    change(entry);
    return entry;
}

TEST(ComposeOptionsEntry, WritesWhatDiffersFromTheDefaultsOrRefuses) {
    const struct {
        const char* what;
        OptionsEntry entry;
        std::u16string value;    // the activity's value after the definition "08:00|每日"
        std::u16string message;  // empty when composed
    } cases[] = {
        {"defaults", {}, u"08:00|每日", u""},
        {"blank zone and leads", With([](OptionsEntry& e) { e.zone = e.leads = u" \u3000"; }),
         u"08:00|每日", u""},
        {"all of them", With([](OptionsEntry& e) {
             e.zone = u" Asia/Shanghai ";
             e.firstDay = kDecember1;
             e.lastDay = kDecember31;
             e.everyDays = 3;
             e.monthDays = u"16, 1,16";
             e.leads = u"5,10";
             e.notify = false;
             e.unknown = {{u"未知", u"1"}};
         }),
         u"08:00|每日|时区=Asia/Shanghai;起=2026-12-01;止=2026-12-31;每隔=3;每月=1,16;提前=10,5;"
         u"通知=0;未知=1",
         u""},
        {"fixed offset, no leads", With([](OptionsEntry& e) {
             e.zone = u"UTC+8";
             e.leads = u"0";
         }),
         u"08:00|每日|时区=UTC+8;提前=0", u""},
        {"one day", With([](OptionsEntry& e) { e.firstDay = e.lastDay = kDecember1; }),
         u"08:00|每日|起=2026-12-01;止=2026-12-01", u""},
        {"no such zone", With([](OptionsEntry& e) { e.zone = u"Mars/Base"; }), u"",
         u"时区不存在，请输入如 Asia/Shanghai 或 UTC+8 的时区！"},
        {"offset too far", With([](OptionsEntry& e) { e.zone = u"UTC+15"; }), u"",
         u"时区不存在，请输入如 Asia/Shanghai 或 UTC+8 的时区！"},
        {"last before first", With([](OptionsEntry& e) {
             e.firstDay = kDecember31;
             e.lastDay = kDecember1;
         }),
         u"", u"结束日期不能早于开始日期！"},
        {"every without first", With([](OptionsEntry& e) { e.everyDays = 2; }), u"",
         u"每隔天数重复须设置开始日期！"},
        {"month day 32", With([](OptionsEntry& e) { e.monthDays = u"1,32"; }), u"",
         u"每月日期须为 1 至 31 的数字，以逗号分隔！"},
        {"month days blank", With([](OptionsEntry& e) { e.monthDays = u""; }), u"",
         u"每月日期须为 1 至 31 的数字，以逗号分隔！"},
        {"month days unreadable", With([](OptionsEntry& e) { e.monthDays = u"1号"; }), u"",
         u"每月日期须为 1 至 31 的数字，以逗号分隔！"},
        {"lead 121", With([](OptionsEntry& e) { e.leads = u"121"; }), u"",
         u"提前提醒须为 0，或 1 至 120 的分钟数，以逗号分隔！"},
        {"leads unreadable", With([](OptionsEntry& e) { e.leads = u"十分钟"; }), u"",
         u"提前提醒须为 0，或 1 至 120 的分钟数，以逗号分隔！"},
    };
    const TwoZones zones;
    for (const auto& c : cases) {
        const Outcome<ActivityOptions, OptionsEntryProblem> options =
            ComposeOptionsEntry(c.entry, zones);
        EXPECT_EQ(DescribeOptionsEntryProblem(options.problem), c.message) << c.what;
        EXPECT_EQ(options.problem == OptionsEntryProblem::None, c.message.empty()) << c.what;
        if (c.message.empty()) {
            EXPECT_EQ(AppendOptions(u"08:00|每日", options.value), c.value) << c.what;
        }
    }
}

TEST(EntryOfOptions, ShowsWhatTheOptionsTextSaysAndComposesItBack) {
    const std::u16string texts[] = {
        u"",
        u"时区=Asia/Shanghai;提前=10;未知=1",
        u"时区=UTC-5:30;起=2026-12-01;止=2026-12-31;每隔=3;每月=1,16;提前=0;通知=0;甲=;乙=2",
    };
    const TwoZones zones;
    for (const std::u16string& text : texts) {
        const ParsedOptions parsed = ParseActivityOptions(text);
        const Outcome<ActivityOptions, OptionsEntryProblem> back =
            ComposeOptionsEntry(EntryOfOptions(parsed.options), zones);
        EXPECT_EQ(back.problem, OptionsEntryProblem::None) << ::testing::PrintToString(text);
        EXPECT_EQ(back.value, parsed.options) << ::testing::PrintToString(text);
        EXPECT_EQ(ComposeActivityOptions(back.value), text) << ::testing::PrintToString(text);
    }
    EXPECT_EQ(EntryOfOptions({}), OptionsEntry{});
}

}  // namespace
