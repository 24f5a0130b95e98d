#include "platform/Files.h"
#include "store/FileErrorText.h"
#include "store/ini/IniWriter.h"
#include "tests/editor/EditorFixture.h"
#include "tests/editor/FileSizeLimit.h"

namespace {

namespace fs = std::filesystem;

// A change that cannot be written is reported, leaves GM.ini as it was and keeps what the user
// entered.
class WriteFailure : public EditorTest {
  protected:
    // Composes a fixed activity on Tuesday at 08:00 and 12:30, with a duration.
    void ComposeActivity(const QString& duration = {}) {
        Type("taskNameBox", "晨会");
        AddTime("8");
        AddTime("12", "30");
        Tick(Weekday(2));
        Type("durationBox", duration);
    }

    void ExpectActivityStillComposed(const QString& duration = {}) {
        EXPECT_EQ(Box("taskNameBox")->text(), QStringLiteral("晨会"));
        EXPECT_EQ(Lines("pendingTimeList"), (QStringList{"08:00", "12:30"}));
        EXPECT_TRUE(Weekday(2)->isChecked());
        EXPECT_TRUE(Option("fixedKindOption")->isChecked());
        EXPECT_EQ(Box("durationBox")->text(), duration);
    }

    QString Reason(std::errc error) const {
        return QString::fromStdU16String(
            DescribeFileError(std::make_error_code(error), FileAccess::Write));
    }

    // Makes the path read-only; false when this system lets the process write there anyway.
    bool MakeReadOnly(const fs::path& path, const fs::path& probe) {
        fs::permissions(path,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        if (ReplaceFileAtomically(probe, "probe"))
            return true;
        std::error_code ignored;
        if (probe != ini)
            fs::remove(probe, ignored);
        return false;
    }
};

TEST_F(WriteFailure, SaveIntoReadOnlyFileIsReportedAndLosesNothing) {
    WriteDefaultFile();
    const std::string before = Bytes();
    Open();
    ComposeActivity("10");
    if (!MakeReadOnly(ini, ini))
        GTEST_SKIP() << "read-only mode bits are not honoured here";
    ASSERT_EQ(Bytes(), before);
    Press("saveButton");

    EXPECT_EQ(dialogs.texts(), QStringList{"任务未保存，无法写入 " + IniPathText() + "：" +
                                           Reason(std::errc::permission_denied)});
    EXPECT_EQ(Bytes(), before);
    ExpectActivityStillComposed("10");
    EXPECT_EQ(Lines("fixedTaskList").size(), 1);
}

TEST_F(WriteFailure, SaveIntoReadOnlyFolderIsReportedAndLosesNothing) {
    WriteDefaultFile();
    const std::string before = Bytes();
    Open();
    ComposeActivity();
    if (!MakeReadOnly(ini.parent_path(), ini.parent_path() / "probe")) {
        GTEST_SKIP() << "read-only mode bits are not honoured here";
    }
    Press("saveButton");

    EXPECT_EQ(dialogs.texts(), QStringList{"任务未保存，无法写入 " + IniPathText() + "：" +
                                           Reason(std::errc::permission_denied)});
    EXPECT_EQ(Bytes(), before);
    ExpectActivityStillComposed();
}

TEST_F(WriteFailure, SaveOntoAFullDiskIsReportedAndLosesNothing) {
    WriteDefaultFile();
    const std::string before = Bytes();
    Open();
    ComposeActivity();
    {
        FileSizeLimit full(before.size());
        if (!full.Active())
            GTEST_SKIP() << "no file size limit on this system";
        Press("saveButton");
    }

    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].startsWith("任务未保存，无法写入 " + IniPathText() + "："))
        << dialogs.texts()[0];
    EXPECT_EQ(Bytes(), before);
    ExpectActivityStillComposed();
}

TEST_F(WriteFailure, ActivityAndDurationAreSavedTogetherOrNotAtAll) {
    WriteDefaultFile();
    const std::string before = Bytes();
    // The size of the file once the activity alone is written: the duration "10" needs one
    // byte more than the stored "5".
    const fs::path trial = ini.parent_path() / "trial.ini";
    fs::copy_file(ini, trial);
    ASSERT_FALSE(WriteIniValue(u"固定时间任务日程", u"晨会", u"08:00,12:30|星期二", trial));
    const std::uintmax_t withActivity = fs::file_size(trial);
    fs::remove(trial);

    Open();
    ComposeActivity("10");
    {
        FileSizeLimit full(withActivity);
        if (!full.Active())
            GTEST_SKIP() << "no file size limit on this system";
        Press("saveButton");
    }

    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts()[0].startsWith("任务未保存，无法写入 " + IniPathText() + "："))
        << dialogs.texts()[0];
    EXPECT_EQ(Bytes(), before) << "neither the activity nor the duration";
    EXPECT_EQ(Lines("fixedTaskList"), QStringList{kDefaultFixedLine});
    EXPECT_TRUE(told.changes.empty());
    ExpectActivityStillComposed("10");
}

TEST_F(WriteFailure, DeleteFromReadOnlyFileIsReportedAndKeepsTheList) {
    WriteDefaultFile();
    const std::string before = Bytes();
    Open();
    if (!MakeReadOnly(ini, ini))
        GTEST_SKIP() << "read-only mode bits are not honoured here";
    dialogs.answers = {true};
    SelectRow("fixedTaskList", 0);
    Press("deleteFixedButton");

    EXPECT_EQ(dialogs.texts(), (QStringList{"确定删除任务：红包刷新时间？",
                                            "任务未删除，无法写入 " + IniPathText() + "：" +
                                                Reason(std::errc::permission_denied)}));
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Lines("fixedTaskList").size(), 1);
    EXPECT_TRUE(told.changes.empty());
    EXPECT_EQ(statusRefreshes, 1) << "shown again all the same";
}

}  // namespace
