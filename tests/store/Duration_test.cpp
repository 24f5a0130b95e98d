// InterpretDuration: the stored minutes, or 5 and the reason.

#include "store/Duration.h"

#include <gtest/gtest.h>

namespace {

using Problem = DurationSetting::Problem;

TEST(InterpretDuration, ConvertsOrFallsBackToFive) {
    const struct {
        std::optional<std::u16string> stored;
        std::int16_t minutes;
        Problem problem;
    } cases[] = {
        {u"10", 10, Problem::None},        {u" 15 ", 15, Problem::None},
        {u"0", 0, Problem::None},          {u"-0.4", 0, Problem::None},
        {u"32767", 32767, Problem::None},  {u"-3", 5, Problem::Negative},
        {u"-32768", 5, Problem::Negative}, {std::nullopt, 5, Problem::Missing},
        {u"", 5, Problem::NotANumber},     {u"五分钟", 5, Problem::NotANumber},
        {u"7x", 5, Problem::NotANumber},   {u"40000", 5, Problem::OutOfRange},
    };
    for (const auto& c : cases) {
        const DurationSetting setting = InterpretDuration(c.stored);
        EXPECT_EQ(setting.minutes, c.minutes) << testing::PrintToString(c.stored);
        EXPECT_EQ(setting.problem, c.problem) << testing::PrintToString(c.stored);
        EXPECT_EQ(setting.storedText, c.stored.value_or(u""));
    }
}

}  // namespace
