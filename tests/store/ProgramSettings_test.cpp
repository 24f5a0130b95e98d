#include "store/ProgramSettings.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

TEST(ProgramSettings, WindowPositionIsTwoWholeNumbers) {
    struct Case {
        std::u16string_view text;
        std::optional<WindowPosition> position;
    };
    const Case cases[] = {
        {u"10,20", WindowPosition{10, 20}},
        {u" -1280 ,　7 ", WindowPosition{-1280, 7}},
        {u"10", std::nullopt},
        {u"10,20,30", std::nullopt},
        {u"10,", std::nullopt},
        {u"1.5,2", std::nullopt},
        {u"１０,20", std::nullopt},
        {u"99999999999,0", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseWindowPosition(c.text), c.position) << testing::PrintToString(c.text);
        if (c.position) {
            EXPECT_EQ(ParseWindowPosition(FormatWindowPosition(*c.position)), c.position);
        }
    }
}

TEST(ProgramSettings, SwitchesAreOnForOneOnly) {
    EXPECT_TRUE(InterpretSwitch(u"1").value);
    EXPECT_FALSE(InterpretSwitch(u"1").problem);
    EXPECT_FALSE(InterpretSwitch(u"0").value);
    EXPECT_FALSE(InterpretSwitch(std::nullopt).value);
    EXPECT_FALSE(InterpretSwitch(std::nullopt).problem);
    EXPECT_FALSE(InterpretSwitch(u"yes").value);
    EXPECT_EQ(InterpretSwitch(u"yes").problem, u"yes");
}

TEST(ProgramSettings, WarningLeadsAreWholeMinutesUpToTwoHours) {
    struct Case {
        std::optional<std::u16string> stored;
        std::vector<int> leads;
        bool unusable;
    };
    const Case cases[] = {
        {std::nullopt, {5}, false}, {u"0", {}, false},
        {u"5,10", {10, 5}, false},  {u" 120 , 1 ,5,5", {120, 5, 1}, false},
        {u"", {5}, true},           {u"0,5", {5}, true},
        {u"121", {5}, true},        {u"10,", {5}, true},
        {u"10，5", {5}, true},      {u"五", {5}, true},
    };
    for (const Case& c : cases) {
        const Outcome<std::vector<int>, UnusableValue> leads = InterpretWarningLeads(c.stored);
        EXPECT_EQ(leads.value, c.leads) << testing::PrintToString(c.stored);
        EXPECT_EQ(leads.problem.has_value(), c.unusable) << testing::PrintToString(c.stored);
        if (!c.unusable && c.stored) {
            EXPECT_EQ(InterpretWarningLeads(FormatWarningLeads(c.leads)).value, c.leads);
        }
    }
}

// A database that knows one zone, at UTC+8 all year.
class OneZone : public TimeZones {
  public:
    bool Exists(std::u16string_view name) const override { return name == u"Asia/Shanghai"; }
    std::chrono::seconds OffsetAt(std::u16string_view, std::chrono::sys_seconds) const override {
        return std::chrono::hours{8};
    }
    std::chrono::seconds LocalOffsetAt(std::chrono::sys_seconds) const override { return {}; }
    std::vector<ZoneTransition> TransitionsBetween(std::u16string_view, std::chrono::sys_seconds,
                                                   std::chrono::sys_seconds) const override {
        return {};
    }
    std::u16string LocalZoneName() const override { return u"UTC"; }
};

TEST(ProgramSettings, TheDefaultZoneIsAKnownZoneOrAFixedOffsetAsWritten) {
    const OneZone zones;
    struct Case {
        std::optional<std::u16string> stored;
        std::u16string zone;
        bool unusable;
    };
    const Case cases[] = {
        {std::nullopt, u"", false},
        {u"", u"", false},
        {u"Asia/Shanghai", u"Asia/Shanghai", false},
        {u"UTC+8", u"UTC+8", false},
        {u"UTC-5:30", u"UTC-5:30", false},
        {u"UTC", u"UTC", false},
        {u"Mars/Base", u"", true},
        {u"UTC+15", u"", true},
    };
    for (const Case& c : cases) {
        const Outcome<std::u16string, UnusableValue> zone = InterpretZone(c.stored, &zones);
        EXPECT_EQ(zone.value, c.zone) << testing::PrintToString(c.stored);
        EXPECT_EQ(zone.problem.has_value(), c.unusable) << testing::PrintToString(c.stored);
    }
    EXPECT_EQ(InterpretZone(u"Asia/Shanghai", nullptr).problem, u"Asia/Shanghai")
        << "without a database only fixed offsets are zones";
}

TEST(ProgramSettings, TheCalendarFileIsAFullPathAsWritten) {
    const std::u16string full = (std::filesystem::temp_directory_path() / "日程.ics").u16string();
    struct Case {
        std::optional<std::u16string> stored;
        std::u16string file;
        bool unusable;
    };
    const Case cases[] = {
        {std::nullopt, u"", false},    {u"", u"", false},
        {full, full, false},           {u"日程.ics", u"", true},
        {u"日历/日程.ics", u"", true},
    };
    for (const Case& c : cases) {
        const Outcome<std::u16string, UnusableValue> file = InterpretCalendarFile(c.stored);
        EXPECT_EQ(file.value, c.file) << testing::PrintToString(c.stored);
        EXPECT_EQ(file.problem.has_value(), c.unusable) << testing::PrintToString(c.stored);
    }
}

}  // namespace
