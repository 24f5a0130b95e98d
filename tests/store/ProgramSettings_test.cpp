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
    std::optional<std::u16string> unusable;
    EXPECT_TRUE(InterpretSwitch(u"1", unusable));
    EXPECT_FALSE(unusable);
    EXPECT_FALSE(InterpretSwitch(u"0", unusable));
    EXPECT_FALSE(InterpretSwitch(std::nullopt, unusable));
    EXPECT_FALSE(unusable);
    EXPECT_FALSE(InterpretSwitch(u"yes", unusable));
    EXPECT_EQ(unusable, u"yes");
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
        std::optional<std::u16string> unusable;
        EXPECT_EQ(InterpretWarningLeads(c.stored, unusable), c.leads)
            << testing::PrintToString(c.stored);
        EXPECT_EQ(unusable.has_value(), c.unusable) << testing::PrintToString(c.stored);
        if (!c.unusable && c.stored) {
            std::optional<std::u16string> again;
            EXPECT_EQ(InterpretWarningLeads(FormatWarningLeads(c.leads), again), c.leads);
        }
    }
}

}  // namespace
