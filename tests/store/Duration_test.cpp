// ReadDurationSetting: the stored minutes, or 5 and the reason.

#include <gtest/gtest.h>

#include "platform/Cp936.h"
#include "store/Duration.h"
#include "tests/store/StoreTestFiles.h"

namespace {

using Problem = DurationSetting::Problem;

struct DurationCase {
    const char* name;
    std::u16string file;
    std::int16_t minutes;
    Problem problem;
    std::u16string storedText;
};

void PrintTo(const DurationCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadDuration : public testing::TestWithParam<DurationCase> {};

TEST_P(ReadDuration, ConvertsOrFallsBackToFive) {
    const DurationCase& c = GetParam();
    TempFolder folder;
    WriteBytes(folder / "GM.ini", EncodeCp936(c.file));
    const DurationSetting setting = ReadDurationSetting(folder / "GM.ini");
    EXPECT_EQ(setting.minutes, c.minutes);
    EXPECT_EQ(setting.problem, c.problem);
    EXPECT_EQ(setting.storedText, c.storedText);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadDuration,
    testing::Values(
        DurationCase{"Ten", u"[持续时间设置]\r\n持续时间=10\r\n", 10, Problem::None, u"10"},
        DurationCase{"Spaced", u"[持续时间设置]\r\n 持续时间 = 15 \r\n", 15, Problem::None, u"15"},
        DurationCase{"Negative", u"[持续时间设置]\r\n持续时间=-3\r\n", -3, Problem::None, u"-3"},
        DurationCase{"Largest", u"[持续时间设置]\r\n持续时间=32767\r\n", 32767, Problem::None,
                     u"32767"},
        DurationCase{"MissingKey", u"[持续时间设置]\r\n; 没有\r\n", 5, Problem::Missing, u""},
        DurationCase{"MissingSection", u"[固定时间任务日程]\r\n", 5, Problem::Missing, u""},
        DurationCase{"EmptyFile", u"", 5, Problem::Missing, u""},
        DurationCase{"Empty", u"[持续时间设置]\r\n持续时间=\r\n", 5, Problem::NotANumber, u""},
        DurationCase{"Letters", u"[持续时间设置]\r\n持续时间=五分钟\r\n", 5, Problem::NotANumber,
                     u"五分钟"},
        DurationCase{"TrailingLetters", u"[持续时间设置]\r\n持续时间=7x\r\n", 5,
                     Problem::NotANumber, u"7x"},
        DurationCase{"TooLarge", u"[持续时间设置]\r\n持续时间=40000\r\n", 5, Problem::OutOfRange,
                     u"40000"}),
    [](const testing::TestParamInfo<DurationCase>& info) { return std::string(info.param.name); });

TEST(ReadDuration, MissingFileGetsTheDefaultFileAndItsFiveMinutes) {
    TempFolder folder;
    const DurationSetting setting = ReadDurationSetting(folder / "GM.ini");
    EXPECT_TRUE(setting.ok());
    EXPECT_EQ(setting.minutes, 5);
    EXPECT_TRUE(std::filesystem::exists(folder / "GM.ini"));
}

}  // namespace
