// The schedule file object: what the windows load, list, save and delete through it.

#include "store/ScheduleFile.h"

#include <gtest/gtest.h>

#include "store/StartupReport.h"
#include "tests/store/StoreTestFiles.h"
#include "text/Cp936.h"

namespace {

namespace fs = std::filesystem;
using Kind = FileProblem::Kind;

class ScheduleFileTest : public testing::Test {
  protected:
    ScheduleFile File(const fs::path& ini) {
        return ScheduleFile({ini}, [this] {
            ++clockReads;
            return LocalTime{};
        });
    }
    void Write(std::u16string_view text) { WriteTestFile(path, EncodeCp936(text)); }

    TempFolder folder;
    fs::path path = folder / "GM.ini";
    int clockReads = 0;
};

TEST_F(ScheduleFileTest, StartupWritesTheMissingDefaultFileAndLoadsIt) {
    const StartupSchedule loaded = File(path).LoadAtStartup();
    EXPECT_EQ(clockReads, 1);
    ASSERT_EQ(loaded.tasks.size(), 2u);
    EXPECT_EQ(loaded.tasks[0].任务名, u"红包刷新时间");
    EXPECT_EQ(loaded.durationMinutes, 5);
    EXPECT_TRUE(loaded.problems.schedule.empty());
    EXPECT_TRUE(loaded.problems.duration.ok());
}

TEST_F(ScheduleFileTest, StartupReportsWhatItCouldNotUse) {
    Write(
        u"[固定时间任务日程]\r\n坏\r\n缺=08:00\r\n早=0800,09:00|每日\r\n[持续时间设置]\r\n持续时间="
        u"x\r\n");
    const StartupSchedule loaded = File(path).LoadAtStartup();
    EXPECT_EQ(loaded.tasks.size(), 1u);
    EXPECT_EQ(loaded.durationMinutes, 5);
    EXPECT_EQ(loaded.problems.schedule.skipped.size(), 1u);
    EXPECT_EQ(loaded.problems.schedule.unreadable.size(), 1u);
    EXPECT_EQ(loaded.problems.duration.problem, DurationSetting::Problem::NotANumber);
}

TEST_F(ScheduleFileTest, ADefaultFileThatCannotBeWrittenIsTriedOnceAndNothingElse) {
    const StartupSchedule loaded = File(folder / "missing" / "GM.ini").LoadAtStartup();
    EXPECT_EQ(clockReads, 1);
    EXPECT_EQ(loaded.problems.schedule.file.kind, Kind::NotCreated);
    EXPECT_TRUE(loaded.problems.duration.ok()) << "no line about the duration";
    EXPECT_TRUE(loaded.tasks.empty());
    EXPECT_EQ(loaded.durationMinutes, 5);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST_F(ScheduleFileTest, AFolderThatCouldNotBeCreatedIsAllThatIsReported) {
    const std::error_code denied = std::make_error_code(std::errc::permission_denied);
    const StartupSchedule loaded = ScheduleFile({path, denied}, FixedClock()).LoadAtStartup();
    EXPECT_EQ(loaded.problems.schedule.file, (FileProblem{Kind::FolderNotCreated, denied}));
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(ScheduleFileTest, AFolderInTheFilesPlaceIsReportedAndLeftAlone) {
    fs::create_directory(path);
    const StartupSchedule loaded = File(path).LoadAtStartup();
    EXPECT_EQ(loaded.problems.schedule.file,
              (FileProblem{Kind::NotCreated, std::make_error_code(std::errc::is_a_directory)}));
    EXPECT_NE(File(path).Report(loaded.problems).find(u"GM.ini 是一个文件夹"),
              std::u16string::npos);
    EXPECT_TRUE(fs::is_empty(path));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"GM.ini"});
}

TEST_F(ScheduleFileTest, ReloadReadsTheActivitiesAgainAndCreatesNothing) {
    const ScheduleFile file = File(path);
    EXPECT_TRUE(file.Reload().tasks.empty());
    EXPECT_FALSE(fs::exists(path));
    Write(u"[范围时间任务日程]\r\n午休=12:00-13:00|每日\r\n");
    const ReloadedSchedule reloaded = file.Reload();
    ASSERT_EQ(reloaded.tasks.size(), 1u);
    EXPECT_EQ(reloaded.tasks[0].任务类型, ActivityKind::TimeRanges);
    EXPECT_TRUE(reloaded.problems.empty());
    EXPECT_EQ(clockReads, 0);
}

TEST_F(ScheduleFileTest, AFileThatCannotBeReadIsReportedAsUnreadable) {
    fs::create_directory(path);
    EXPECT_EQ(File(path).Reload().problems.file,
              (FileProblem{Kind::NotRead, std::make_error_code(std::errc::is_a_directory)}));
    std::error_code error;
    EXPECT_TRUE(File(path).Activities(ActivityKind::FixedTimes, error).empty());
    EXPECT_EQ(error, std::errc::is_a_directory);
}

TEST_F(ScheduleFileTest, SavesListsAndDeletesActivitiesAndTheDuration) {
    const ScheduleFile file = File(path);
    EXPECT_FALSE(file.SaveActivity(ActivityKind::FixedTimes, u"早会", u"09:00|每日", 7));
    EXPECT_FALSE(
        file.SaveActivity(ActivityKind::TimeRanges, u"午休", u"12:00-13:00|每日", std::nullopt));
    EXPECT_FALSE(file.SaveActivity(ActivityKind::FixedTimes, u"晚读", u"21:00|星期一", 8));
    EXPECT_FALSE(file.DeleteActivity(ActivityKind::FixedTimes, u"早会"));
    EXPECT_EQ(ReadBytes(path), EncodeCp936(u"[固定时间任务日程]\r\n晚读=21:00|星期一\r\n"
                                           u"[持续时间设置]\r\n持续时间=8\r\n"
                                           u"[范围时间任务日程]\r\n午休=12:00-13:00|每日\r\n"));
    std::error_code error;
    const std::vector<IniKeyValue> ranges = file.Activities(ActivityKind::TimeRanges, error);
    ASSERT_EQ(ranges.size(), 1u);
    EXPECT_EQ(ranges[0].name, u"午休");
    EXPECT_EQ(ranges[0].value, u"12:00-13:00|每日");
    EXPECT_FALSE(error);
    EXPECT_EQ(clockReads, 0);
}

TEST_F(ScheduleFileTest, WritesThatFailReturnTheReason) {
    const ScheduleFile file = File(folder / "missing" / "GM.ini");
    EXPECT_TRUE(file.SaveActivity(ActivityKind::FixedTimes, u"早会", u"09:00|每日", 7));
    fs::create_directory(path);
    EXPECT_EQ(File(path).DeleteActivity(ActivityKind::FixedTimes, u"早会"),
              std::errc::is_a_directory);
}

TEST_F(ScheduleFileTest, FailuresNameTheFileAndTheReason) {
    EXPECT_EQ(File(path).DescribeFailure(std::make_error_code(std::errc::permission_denied),
                                         FileAccess::Read),
              path.u16string() + u"：没有读取权限");
}

}  // namespace
