#include "store/StartupMessage.h"

#include <gtest/gtest.h>

namespace {

using enum ActivityKind;

const std::filesystem::path kIni = "/home/user/quillot/GM.ini";
const std::u16string kHeader =
    u"日程文件中有无法使用的内容，其余内容照常使用。\n文件：/home/user/quillot/GM.ini\n";

DurationSetting Duration(DurationSetting::Problem problem, std::u16string stored) {
    DurationSetting setting;
    setting.problem = problem;
    setting.storedText = std::move(stored);
    return setting;
}

LoadProblem Skipped(LoadProblem::Kind kind, std::u16string section, std::u16string name) {
    return LoadProblem{kind, std::move(section), std::move(name)};
}

TEST(StartupMessage, NothingToTellGivesNoMessage) {
    EXPECT_EQ(DescribeStartupProblems(kIni, StartupProblems{}), u"");
}

struct OneProblem {
    const char* what;
    StartupProblems problems;
    std::u16string line;
};

TEST(StartupMessage, EachProblemNamesSectionActivityAndWhatHappens) {
    const std::vector<OneProblem> cases = {
        {"no bar",
         {.schedule = {{},
                       {Skipped(LoadProblem::Kind::NoSeparator, u"固定时间任务日程", u"早操")},
                       {}}},
         u"[固定时间任务日程] 任务“早操”缺少“|”，分不出时间和星期，已跳过。"},
        {"empty value",
         {.schedule = {{},
                       {Skipped(LoadProblem::Kind::EmptyValue, u"范围时间任务日程", u"午休")},
                       {}}},
         u"[范围时间任务日程] 任务“午休”没有内容，已跳过。"},
        {"duplicate",
         {.schedule = {{},
                       {Skipped(LoadProblem::Kind::DuplicateName, u"范围时间任务日程", u"午休")},
                       {}}},
         u"[范围时间任务日程] 任务“午休”重复出现，只使用第一处。"},
        {"missing piece",
         {.schedule = {{},
                       {},
                       {{u"固定时间任务日程", u"早操", u"1200", ScheduleError::MissingPiece}}}},
         u"[固定时间任务日程] "
         u"任务“早操”中有时间无法识别：“1200”（缺少“:”或“-”，或时段的一端为空），"
         u"已跳过这一时间。"},
        {"overflow",
         {.schedule = {{},
                       {},
                       {{u"范围时间任务日程", u"午休", u"99999:00-1:00",
                         ScheduleError::Overflow}}}},
         u"[范围时间任务日程] 任务“午休”中有时间无法识别：“99999:00-1:00”（数字超出范围），"
         u"已跳过这一时间。"},
        {"duration missing",
         {.duration = Duration(DurationSetting::Problem::Missing, u"")},
         u"[持续时间设置] 缺少“持续时间”，暂按 5 分钟计算。"},
        {"duration not a number",
         {.duration = Duration(DurationSetting::Problem::NotANumber, u"五")},
         u"[持续时间设置] “持续时间”的值“五”不是数字，暂按 5 分钟计算。"},
        {"duration out of range",
         {.duration = Duration(DurationSetting::Problem::OutOfRange, u"99999")},
         u"[持续时间设置] “持续时间”的值“99999”超出范围，暂按 5 分钟计算。"},
        {"duration negative",
         {.duration = Duration(DurationSetting::Problem::Negative, u"-5")},
         u"[持续时间设置] “持续时间”的值“-5”是负数，暂按 5 分钟计算。"},
        {"notification setting neither 0 nor 1",
         {.unusableNotifyValue = u"yes"},
         u"[程序设置] “活动开启时通知”的值“yes”不是 0 或 1，暂不通知。"},
        {"warning leads not whole minutes up to two hours",
         {.unusableLeadsValue = u"5,121"},
         u"[程序设置] “提前提醒”的值“5,121”不是 0，也不是用逗号分隔的 1 到 120 的整数，"
         u"暂按提前 5 分钟提醒。"},
        {"sound setting neither 0 nor 1",
         {.unusableSoundValue = u"on"},
         u"[程序设置] “提醒声音”的值“on”不是 0 或 1，暂不播放声音。"},
        {"default zone that does not exist",
         {.unusableZoneValue = u"Mars/Base"},
         u"[程序设置] “时区”的值“Mars/Base”不是已知的时区，也不是 UTC+8 这样的时差，"
         u"暂按本机时区计算。"},
        {"calendar file that is no full path",
         {.unusableCalendarFileValue = u"日程.ics"},
         u"[程序设置] “日历文件”的值“日程.ics”不是完整的文件路径，暂不保存日历文件。"},
    };
    for (const OneProblem& c : cases) {
        EXPECT_EQ(DescribeStartupProblems(kIni, c.problems), kHeader + u"\n· " + c.line) << c.what;
    }
}

TEST(StartupMessage, EachUnusableOptionIsNamedWithWhyAndIgnored) {
    using enum OptionProblem::Kind;
    struct Case {
        OptionProblem problem;
        std::u16string why;
    };
    const Case cases[] = {
        {{u"颜色", u"红", UnknownKey}, u"没有这个选项"},
        {{u"时区", u"Mars/Base", NoSuchZone}, u"没有这个时区"},
        {{u"起", u"2026-02-30", NotADate}, u"不是 YYYY-MM-DD 格式的日期"},
        {{u"每隔", u"3", EveryWithoutFirst}, u"没有可用的“起”，不知从哪天算起"},
        {{u"每隔", u"400", OutOfRange}, u"应为 1 到 366 的整数"},
        {{u"每隔", u"三", Unreadable}, u"应为 1 到 366 的整数"},
        {{u"每月", u"1,32", OutOfRange}, u"应为用逗号分隔的 1 到 31 的整数"},
        {{u"提前", u"5,x", Unreadable}, u"应为 0，或用逗号分隔的 1 到 120 的整数"},
        {{u"通知", u"否", Unreadable}, u"应为 0 或 1"},
    };
    for (const Case& c : cases) {
        StartupProblems problems;
        problems.schedule.options = {{u"固定时间任务日程", u"公会战", c.problem}};
        EXPECT_EQ(DescribeStartupProblems(kIni, problems),
                  kHeader + u"\n· [固定时间任务日程] 任务“公会战”的选项“" + c.problem.key + u"=" +
                      c.problem.value + u"”无法使用（" + c.why + u"），已忽略这一选项。")
            << testing::PrintToString(c.problem.key + u"=" + c.problem.value);
    }
}

TEST(StartupMessage, AFileThatCannotBeCreatedOrReadIsAllThatIsSaid) {
    const std::error_code denied = std::make_error_code(std::errc::permission_denied);
    StartupProblems problems;
    problems.duration = Duration(DurationSetting::Problem::Missing, u"");
    problems.schedule.file = {FileProblem::Kind::NotCreated, denied};
    EXPECT_EQ(
        DescribeStartupProblems(kIni, problems),
        u"无法创建日程文件：/home/user/quillot/GM.ini\n原因：没有写入权限（文件或文件夹为只读）。");
    problems.schedule.file = {FileProblem::Kind::NotRead, denied};
    EXPECT_EQ(DescribeStartupProblems(kIni, problems),
              u"无法读取日程文件：/home/user/quillot/GM.ini\n原因：没有读取权限。");
    problems.schedule.file = {FileProblem::Kind::FolderNotCreated, denied};
    EXPECT_EQ(DescribeStartupProblems(kIni, problems),
              u"无法创建日程文件所在的文件夹：/home/user/"
              u"quillot\n原因：没有写入权限（文件或文件夹为只读）。");
}

TEST(StartupMessage, AllProblemsGoIntoOneMessageInOrder) {
    StartupProblems problems;
    problems.duration = Duration(DurationSetting::Problem::NotANumber, u"x");
    problems.schedule.options.push_back(
        {u"固定时间任务日程", u"丙", {u"每隔", u"3", OptionProblem::Kind::EveryWithoutFirst}});
    problems.schedule.unreadable.push_back(
        {u"固定时间任务日程", u"乙", u"8", ScheduleError::MissingPiece});
    problems.schedule.skipped.push_back(
        Skipped(LoadProblem::Kind::NoSeparator, u"固定时间任务日程", u"甲"));

    const std::u16string message = DescribeStartupProblems(kIni, problems);
    const std::size_t skipped = message.find(u"任务“甲”");
    const std::size_t unreadable = message.find(u"任务“乙”");
    const std::size_t option = message.find(u"任务“丙”");
    const std::size_t duration = message.find(u"[持续时间设置]");
    ASSERT_NE(duration, std::u16string::npos);
    EXPECT_LT(skipped, unreadable);
    EXPECT_LT(unreadable, option);
    EXPECT_LT(option, duration);
    EXPECT_EQ(message.rfind(kHeader, 0), 0u);
}

TEST(UnreadableEntries, FoundPerEntryWithTheActivitysSection) {
    const std::vector<cTask> tasks = {
        {u"早操", u"08:00,1200,09:00", u"每日", FixedTimes},
        {u"午休", u"12:00-13:00", u"每日", TimeRanges},
        {u"夜读", u"20:00,21:00-99999:00", u"星期一", TimeRanges},
    };
    const std::vector<UnreadableEntry> expected = {
        {u"固定时间任务日程", u"早操", u"1200", ScheduleError::MissingPiece},
        {u"范围时间任务日程", u"夜读", u"20:00", ScheduleError::MissingPiece},
        {u"范围时间任务日程", u"夜读", u"21:00-99999:00", ScheduleError::Overflow},
    };
    EXPECT_EQ(FindUnreadableEntries(tasks), expected);
}

TEST(UnusableOptions, FoundPerOptionWithTheActivitysSectionZonesWithoutDatabaseFixedOnly) {
    using enum OptionProblem::Kind;
    const std::vector<cTask> tasks = {
        {u"早操", u"08:00", u"每日", FixedTimes, u"时区=UTC+8;提前=10"},
        {u"午休", u"12:00-13:00", u"每日", TimeRanges},
        {u"夜读", u"20:00-21:00", u"星期一", TimeRanges, u"颜色=红；每隔＝3;时区=Asia/Shanghai"},
    };
    const std::vector<UnusableOption> expected = {
        {u"范围时间任务日程", u"夜读", {u"颜色", u"红", UnknownKey}},
        {u"范围时间任务日程", u"夜读", {u"每隔", u"3", EveryWithoutFirst}},
        {u"范围时间任务日程", u"夜读", {u"时区", u"Asia/Shanghai", NoSuchZone}},
    };
    EXPECT_EQ(FindUnusableOptions(tasks, nullptr), expected);
}

}  // namespace
