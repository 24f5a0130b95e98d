// LoadTasks: order, the pieces of a value, and what it leaves out instead of stopping.

#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "schedule/ActivityValue.h"
#include "store/ScheduleFileLayout.h"
#include "store/TaskLoader.h"
#include "tests/store/StoreTestFiles.h"
#include "text/Cp936.h"

namespace {

using enum ActivityKind;

namespace fs = std::filesystem;
using Kind = LoadProblem::Kind;

const std::u16string kFixed(kFixedSection);
const std::u16string kRange(kRangeSection);

struct LoadCase {
    const char* name;
    std::u16string file;  // written in code page 936
    std::vector<cTask> tasks;
    std::vector<LoadProblem> problems;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

// One record as text, so that a failed comparison shows it.
std::u16string Describe(const cTask& task) {
    return task.任务名 + u" [" + task.时间 + u"] [" + task.星期 + u"] " +
           (task.任务类型 == FixedTimes ? u"fixed" : u"range");
}

std::vector<std::u16string> Describe(const std::vector<cTask>& tasks) {
    std::vector<std::u16string> lines;
    for (const cTask& task : tasks)
        lines.push_back(Describe(task));
    return lines;
}

class LoadTasksCase : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadTasksCase, LoadsTheRecordsAndReportsTheRest) {
    const LoadCase& c = GetParam();
    TempFolder folder;
    WriteTestFile(folder / "GM.ini", EncodeCp936(c.file));
    const auto [tasks, problems] = LoadTasks(ReadDocument(folder / "GM.ini"));
    EXPECT_EQ(Describe(tasks), Describe(c.tasks));
    EXPECT_EQ(problems, c.problems);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadTasksCase,
    testing::Values(
        LoadCase{"FixedFirstEvenWhenWrittenSecond",
                 u"[范围时间任务日程]\r\nr1=06:00-07:00|每日\r\nr2=08:00-09:00|星期一\r\n"
                 u"[固定时间任务日程]\r\nf1=08:00|每日\r\nf2=09:00|星期二\r\n",
                 {{u"f1", u"08:00", u"每日", FixedTimes},
                  {u"f2", u"09:00", u"星期二", FixedTimes},
                  {u"r1", u"06:00-07:00", u"每日", TimeRanges},
                  {u"r2", u"08:00-09:00", u"星期一", TimeRanges}},
                 {}},
        LoadCase{"ThirdPieceDroppedSpacesKept",
                 u"[固定时间任务日程]\r\na=08:00 | 每日|extra\r\nb=08:00||\r\n",
                 {{u"a", u"08:00 ", u" 每日", FixedTimes}, {u"b", u"08:00", u"", FixedTimes}},
                 {}},
        LoadCase{"CommentsAndOtherSectionsIgnored",
                 u"[固定时间任务日程]\r\n; 格式：活动名=时间列表|星期几\r\n\r\n"
                 u"[其他]\r\nx=08:00|每日\r\n[范围时间任务日程]\r\n; 只有注释\r\n",
                 {},
                 {}},
        LoadCase{
            "MalformedValuesSkippedAndReported",
            u"[固定时间任务日程]\r\na=08:00|每日\r\nb=08:00\r\nc=\r\nd=\"\"\r\ne=09:00|每日\r\n",
            {{u"a", u"08:00", u"每日", FixedTimes}, {u"e", u"09:00", u"每日", FixedTimes}},
            {{Kind::NoSeparator, kFixed, u"b"},
             {Kind::EmptyValue, kFixed, u"c"},
             {Kind::EmptyValue, kFixed, u"d"}}},
        LoadCase{"NameInBothSectionsLoadsBoth",
                 u"[固定时间任务日程]\r\n同名=08:00|每日\r\n[范围时间任务日程]\r\n同名=08:00-09:00|"
                 u"每日\r\n",
                 {{u"同名", u"08:00", u"每日", FixedTimes},
                  {u"同名", u"08:00-09:00", u"每日", TimeRanges}},
                 {}},
        LoadCase{"RepeatedNameLoadsTheFirstValueOnce",
                 u"[固定时间任务日程]\r\nTea=08:00|每日\r\nx=09:00|每日\r\ntea=10:00|每日\r\n"
                 u"TEA=bad\r\n",
                 {{u"Tea", u"08:00", u"每日", FixedTimes}, {u"x", u"09:00", u"每日", FixedTimes}},
                 {{Kind::DuplicateName, kFixed, u"tea"}, {Kind::DuplicateName, kFixed, u"TEA"}}},
        LoadCase{"RepeatedNameAfterAMalformedFirst",
                 u"[范围时间任务日程]\r\nr=bad\r\nr=08:00-09:00|每日\r\n",
                 {},
                 {{Kind::NoSeparator, kRange, u"r"}, {Kind::DuplicateName, kRange, u"r"}}},
        LoadCase{"BlankNamesLeftOut",
                 u"[固定时间任务日程]\r\n=08:00|每日\r\n　=09:00|每日\r\na=10:00|每日\r\n",
                 {{u"a", u"10:00", u"每日", FixedTimes}},
                 {}},
        LoadCase{"OnlyTheFirstOfRepeatedSectionsCounts",
                 u"[固定时间任务日程]\r\na=08:00|每日\r\n[固定时间任务日程]\r\nb=09:00|每日\r\n",
                 {{u"a", u"08:00", u"每日", FixedTimes}},
                 {}},
        LoadCase{"QuotedValueUnquoted",
                 u"[固定时间任务日程]\r\na=\"08:00|每日\"\r\n",
                 {{u"a", u"08:00", u"每日", FixedTimes}},
                 {}}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// What LoadTasks is given to read: no document for a missing file, which is not created, and the
// reason for one that cannot be read.
TEST(ReadIniDocument, MissingFileGivesNoDocumentAndCreatesNothing) {
    TempFolder folder;
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(folder / "GM.ini");
    EXPECT_FALSE(read.value);
    EXPECT_FALSE(read.problem);
    EXPECT_FALSE(fs::exists(folder / "GM.ini"));
}

TEST(ReadIniDocument, UnreadableFileGivesTheReason) {
    TempFolder folder;
    fs::create_directory(folder / "GM.ini");
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(folder / "GM.ini");
    EXPECT_FALSE(read.value);
    EXPECT_EQ(read.problem, std::errc::is_a_directory);
}

TEST(LoadTasks, CharactersOutsideCp936AreReadBackAsQuestionMarks) {
    TempFolder folder;
    WriteTestFile(folder / "GM.ini",
                  EncodeCp936(u"[固定时间任务日程]\r\n喝水\U0001F600=08:00|每日\r\n"));
    const std::vector<cTask> tasks = LoadTasks(ReadDocument(folder / "GM.ini")).value;
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(tasks[0].任务名, u"喝水?");
}

}  // namespace
