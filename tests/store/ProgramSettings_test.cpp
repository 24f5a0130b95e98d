#include "store/ProgramSettings.h"

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

}  // namespace
