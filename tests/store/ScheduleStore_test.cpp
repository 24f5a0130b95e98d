// The schedule store: what the windows load, list, save and delete through it, and what it tells
// those who listen.

#include "store/ScheduleStore.h"

#include <gtest/gtest.h>

#include "store/StartupMessage.h"
#include "tests/store/StoreTestFiles.h"
#include "text/Cp936.h"

namespace {

namespace fs = std::filesystem;
using Kind = FileProblem::Kind;

class ScheduleStoreTest : public testing::Test {
  protected:
    ScheduleStore& Store(const fs::path& ini, std::error_code folderError = {}) {
        stores.push_back(std::make_unique<ScheduleStore>(IniLocation{ini, folderError}, [this] {
            ++clockReads;
            return LocalTime{};
        }));
        stores.back()->Listen(told);
        return *stores.back();
    }
    void Write(std::u16string_view text) { WriteTestFile(path, EncodeCp936(text)); }
    // The message of a file problem alone, as the user reads it.
    std::u16string FileMessage(Kind kind, std::errc error) const {
        return DescribeFileProblem(path, {kind, std::make_error_code(error)});
    }
    // The message of the start-up's load.
    static std::u16string StartupMessage(ScheduleStore& store) {
        return store.DescribeProblems(store.LoadAtStartup().problem);
    }
    // The message of a reload: empty when its problems are those returned last.
    static std::u16string ReloadMessage(ScheduleStore& store) {
        const std::optional<ScheduleProblems> problems = store.Reload();
        return problems ? store.DescribeProblems({.schedule = *problems}) : u"";
    }

    TempFolder folder;
    fs::path path = folder / "GM.ini";
    int clockReads = 0;
    struct Changes : ScheduleListener {
        void ScheduleChanged(ScheduleChange change) override { changes.push_back(change); }
        std::vector<ScheduleChange> changes;
    } told;
    std::vector<std::unique_ptr<ScheduleStore>> stores;
};

TEST_F(ScheduleStoreTest, StartupWritesTheMissingDefaultFileAndLoadsIt) {
    ScheduleStore& store = Store(path);
    EXPECT_EQ(StartupMessage(store), u"");
    EXPECT_EQ(clockReads, 1);
    ASSERT_EQ(store.Tasks().size(), 2u);
    EXPECT_EQ(store.Tasks()[0].任务名, u"红包刷新时间");
    EXPECT_EQ(store.DurationMinutes(), 5);
}

TEST_F(ScheduleStoreTest, StartupReportsWhatItCouldNotUseAndKeepsTheSettings) {
    Write(
        u"[固定时间任务日程]\r\n坏\r\n缺=08:00\r\n早=0800,09:00|每日|颜色=红\r\n[持续时间设置]\r\n"
        u"持续时间=x\r\n[程序设置]\r\n提前提醒=10,1\r\n时区=Mars/Base\r\n日历文件=日程.ics\r\n");
    ScheduleStore& store = Store(path);
    const Outcome<ProgramSettings, StartupProblems> loaded = store.LoadAtStartup();
    EXPECT_EQ(store.Tasks().size(), 1u);
    EXPECT_EQ(store.DurationMinutes(), 5);
    EXPECT_EQ(loaded.value.warningLeads, (std::vector<int>{10, 1}));
    EXPECT_EQ(loaded.value.zone, u"");
    EXPECT_EQ(loaded.value.calendarFile, u"");
    StartupProblems problems;
    problems.schedule.skipped = {{LoadProblem::Kind::NoSeparator, u"固定时间任务日程", u"缺"}};
    problems.schedule.unreadable = {
        {u"固定时间任务日程", u"早", u"0800", ScheduleError::MissingPiece}};
    problems.schedule.options = {
        {u"固定时间任务日程", u"早", {u"颜色", u"红", OptionProblem::Kind::UnknownKey}}};
    problems.duration = {5, DurationSetting::Problem::NotANumber, u"x"};
    problems.unusableZoneValue = u"Mars/Base";
    problems.unusableCalendarFileValue = u"日程.ics";
    EXPECT_EQ(store.DescribeProblems(loaded.problem), DescribeStartupProblems(path, problems));
}

TEST_F(ScheduleStoreTest, ADefaultFileThatCannotBeWrittenIsTriedOnceAndNothingElse) {
    path = folder / "missing" / "GM.ini";
    ScheduleStore& store = Store(path);
    EXPECT_EQ(StartupMessage(store),
              FileMessage(Kind::NotCreated, std::errc::no_such_file_or_directory))
        << "no line about the duration";
    EXPECT_EQ(clockReads, 1);
    EXPECT_TRUE(store.Tasks().empty());
    EXPECT_EQ(store.DurationMinutes(), 5);
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST_F(ScheduleStoreTest, AFolderThatCouldNotBeCreatedIsAllThatIsReported) {
    EXPECT_EQ(StartupMessage(Store(path, std::make_error_code(std::errc::permission_denied))),
              FileMessage(Kind::FolderNotCreated, std::errc::permission_denied));
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(ScheduleStoreTest, AFolderInTheFilesPlaceIsReportedAndLeftAlone) {
    fs::create_directory(path);
    const std::u16string message = StartupMessage(Store(path));
    EXPECT_EQ(message, FileMessage(Kind::NotCreated, std::errc::is_a_directory));
    EXPECT_NE(message.find(u"GM.ini 是一个文件夹"), std::u16string::npos);
    EXPECT_TRUE(fs::is_empty(path));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"GM.ini"});
}

TEST_F(ScheduleStoreTest, ReloadReadsTheActivitiesAgainAndCreatesNothing) {
    ScheduleStore& store = Store(path);
    EXPECT_EQ(store.Reload(), std::nullopt);
    EXPECT_TRUE(store.Tasks().empty());
    EXPECT_FALSE(fs::exists(path));
    Write(u"[范围时间任务日程]\r\n午休=12:00-13:00|每日\r\n");
    EXPECT_EQ(store.Reload(), std::nullopt);
    ASSERT_EQ(store.Tasks().size(), 1u);
    EXPECT_EQ(store.Tasks()[0].任务类型, ActivityKind::TimeRanges);
    EXPECT_EQ(clockReads, 0);
}

TEST_F(ScheduleStoreTest, AFileThatCannotBeReadIsReportedAsUnreadableOnce) {
    fs::create_directory(path);
    ScheduleStore& store = Store(path);
    EXPECT_EQ(ReloadMessage(store), FileMessage(Kind::NotRead, std::errc::is_a_directory));
    EXPECT_EQ(ReloadMessage(store), u"") << "told already";
    const Outcome<std::vector<IniKeyValue>> fixed = store.Activities(ActivityKind::FixedTimes);
    EXPECT_TRUE(fixed.value.empty());
    EXPECT_EQ(fixed.problem, std::errc::is_a_directory);
}

TEST_F(ScheduleStoreTest, SavesListsAndDeletesActivitiesAndTheDurationAndTellsEach) {
    ScheduleStore& store = Store(path);
    EXPECT_FALSE(store.SaveActivity(ActivityKind::FixedTimes, u"早会", u"09:00|每日", 7));
    EXPECT_FALSE(
        store.SaveActivity(ActivityKind::TimeRanges, u"午休", u"12:00-13:00|每日", std::nullopt));
    EXPECT_FALSE(store.SaveActivity(ActivityKind::FixedTimes, u"晚读", u"21:00|星期一", 8));
    EXPECT_FALSE(store.DeleteActivity(ActivityKind::FixedTimes, u"早会"));
    EXPECT_EQ(ReadBytes(path), EncodeCp936(u"[固定时间任务日程]\r\n晚读=21:00|星期一\r\n"
                                           u"[持续时间设置]\r\n持续时间=8\r\n"
                                           u"[范围时间任务日程]\r\n午休=12:00-13:00|每日\r\n"));
    EXPECT_EQ(told.changes, (std::vector{ScheduleChange::Saved, ScheduleChange::Saved,
                                         ScheduleChange::Saved, ScheduleChange::Deleted}));
    const auto [ranges, error] = store.Activities(ActivityKind::TimeRanges);
    ASSERT_EQ(ranges.size(), 1u);
    EXPECT_EQ(ranges[0].name, u"午休");
    EXPECT_EQ(ranges[0].value, u"12:00-13:00|每日");
    EXPECT_FALSE(error);
    EXPECT_EQ(clockReads, 0);
}

TEST_F(ScheduleStoreTest, WritesThatFailReturnTheReasonAndTellNothing) {
    EXPECT_TRUE(Store(folder / "missing" / "GM.ini")
                    .SaveActivity(ActivityKind::FixedTimes, u"早会", u"09:00|每日", 7));
    fs::create_directory(path);
    EXPECT_EQ(Store(path).DeleteActivity(ActivityKind::FixedTimes, u"早会"),
              std::errc::is_a_directory);
    EXPECT_TRUE(told.changes.empty());
}

TEST_F(ScheduleStoreTest, FailuresNameTheFileAndTheReason) {
    EXPECT_EQ(Store(path).DescribeFileError(std::make_error_code(std::errc::permission_denied),
                                            FileAccess::Read),
              path.u16string() + u"：没有读取权限");
}

}  // namespace
