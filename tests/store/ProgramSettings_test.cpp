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

TEST(ProgramSettings, NotificationsAreOnForOneOnly) {
    std::optional<std::u16string> unusable;
    EXPECT_TRUE(InterpretNotifySetting(u"1", unusable));
    EXPECT_FALSE(unusable);
    EXPECT_FALSE(InterpretNotifySetting(u"0", unusable));
    EXPECT_FALSE(InterpretNotifySetting(std::nullopt, unusable));
    EXPECT_FALSE(unusable);
    EXPECT_FALSE(InterpretNotifySetting(u"yes", unusable));
    EXPECT_EQ(unusable, u"yes");
}

}  // namespace
