// The default schedule file: its bytes, when it is written, and what loads from it.

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "schedule/ActivityValue.h"
#include "store/DefaultIni.h"
#include "store/ScheduleFileLayout.h"
#include "store/TaskLoader.h"
#include "store/ini/IniReaders.h"
#include "tests/store/StoreTestFiles.h"
#include "tests/support/ReadOnlyFolder.h"
#include "text/Cp936.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

// The moment in the recorded template's line 3.
const LocalTime kTemplateTime{year_month_day{year{2026}, month{12}, day{7}}, 11, 40, 0};

std::string RecordedTemplate() {
    return ReadBytes(StoreTestData() / "default-template-gbk.ini");
}

TEST(DefaultIni, TextIsTheRecordedTemplateByteForByte) {
    const std::string recorded = RecordedTemplate();
    ASSERT_EQ(recorded.size(), 1187u);
    EXPECT_EQ(EncodeCp936(DefaultIniText(kTemplateTime)), recorded);
}

TEST(DefaultIni, WrittenFileDiffersFromTheTemplateOnlyInTheCreationTime) {
    TempFolder folder;
    const LocalTime created{year_month_day{year{2025}, month{3}, day{4}}, 5, 6, 7};
    ASSERT_FALSE(WriteDefaultIni(folder / "GM.ini", created));
    std::string expected = RecordedTemplate();
    const std::string oldLine = EncodeCp936(u"生成时间：2026-12-07 11:40:00\r\n");
    const std::string newLine = EncodeCp936(u"生成时间：2025-03-04 05:06:07\r\n");
    expected.replace(expected.find(oldLine), oldLine.size(), newLine);
    EXPECT_EQ(ReadBytes(folder / "GM.ini"), expected);
}

TEST(DefaultIni, Line11AlignsTheStarsWithThreeSpaces) {
    const std::u16string text = DefaultIniText(kTemplateTime);
    EXPECT_NE(text.find(u"\r\n;    - 多个时间点/时间段使用**英文逗号    ** 分隔\r\n"),
              std::u16string::npos);
}

TEST(DefaultIni, ThirtyFiveCrLfLinesNoByteOrderMark) {
    const std::u16string text = DefaultIniText(kTemplateTime);
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = text.find(u"\r\n", at)) != std::u16string::npos; at += 2) {
        ++lines;
    }
    EXPECT_EQ(lines, 35u);
    EXPECT_TRUE(text.ends_with(u"持续时间=5\r\n"));
    EXPECT_TRUE(text.starts_with(u";="));
}

TEST(EnsureIniFile, WritesTheTemplateWhenMissing) {
    TempFolder folder;
    ASSERT_FALSE(EnsureIniFile(folder / "GM.ini", FixedClock(kTemplateTime)));
    EXPECT_EQ(ReadBytes(folder / "GM.ini"), RecordedTemplate());
}

TEST(EnsureIniFile, LeavesAnExistingFileEvenAnEmptyOne) {
    for (const std::string& content : {std::string(), std::string("[s]\r\nk=v")}) {
        TempFolder folder;
        WriteTestFile(folder / "GM.ini", content);
        ASSERT_FALSE(EnsureIniFile(folder / "GM.ini", FixedClock(kTemplateTime)));
        EXPECT_EQ(ReadBytes(folder / "GM.ini"), content);
    }
}

TEST(EnsureIniFile, FolderNamedLikeTheFileIsReportedAndKept) {
    TempFolder folder;
    fs::create_directory(folder / "GM.ini");
    EXPECT_TRUE(EnsureIniFile(folder / "GM.ini", FixedClock(kTemplateTime)));
    EXPECT_TRUE(fs::is_directory(folder / "GM.ini"));
}

TEST(WriteDefaultIni, ReadOnlyFolderIsReportedAndNothingIsLeftBehind) {
    TempFolder folder;
    std::error_code error;
    {
        ReadOnlyFolder readOnly(folder.Path());
        if (!readOnly.SkipReason().empty())
            GTEST_SKIP() << readOnly.SkipReason();
        error = WriteDefaultIni(folder / "GM.ini", kTemplateTime);
    }
    EXPECT_TRUE(error);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST(DefaultIniOnDemand, ListingKeysDoesNotCreateTheFile) {
    TempFolder folder;
    const Outcome<std::vector<IniKeyValue>> keys = ReadIniKeys(kFixedSection, folder / "GM.ini");
    EXPECT_TRUE(keys.value.empty());
    EXPECT_FALSE(keys.problem);
    EXPECT_FALSE(fs::exists(folder / "GM.ini"));
}

TEST(DefaultIniOnDemand, FreshFileLoadsTheTwoSamples) {
    TempFolder folder;
    const fs::path path = folder / "GM.ini";
    ASSERT_FALSE(EnsureIniFile(path, FixedClock()));
    const Outcome<std::optional<IniDocument>> read = ReadIniDocument(path);
    ASSERT_TRUE(read.value);
    const auto [tasks, skipped] = LoadTasks(*read.value);
    EXPECT_TRUE(skipped.empty());
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_EQ(tasks[0].任务名, u"红包刷新时间");
    EXPECT_EQ(tasks[0].时间, u"00:00,08:00,12:00,16:00,20:00,22:00");
    EXPECT_EQ(tasks[0].星期, u"每日");
    EXPECT_EQ(tasks[0].任务类型, ActivityKind::FixedTimes);
    EXPECT_EQ(tasks[1].任务名, u"就餐时间");
    EXPECT_EQ(tasks[1].时间, u"06:00-06:30,12:00-12:30,18:00-18:30");
    EXPECT_EQ(tasks[1].星期, u"星期一,星期二,星期三,星期四,星期五");
    EXPECT_EQ(tasks[1].任务类型, ActivityKind::TimeRanges);
}

}  // namespace
