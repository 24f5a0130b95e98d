#include "tests/editor/EditorFixture.h"

namespace {

using Delete = EditorTest;

TEST_F(Delete, YesRemovesTheKeyRefillsTheListsAndTellsTheDelete) {
    WriteDefaultFile();
    std::u16string expected = DefaultIniText(LocalTime{});
    const std::u16string line = u"\r\n" + kDefaultFixedLine.toStdU16String();
    expected.erase(expected.find(line), line.size());  // the key line, not the comment
    Open();
    dialogs.answers = {true};
    SelectRow("fixedTaskList", 0);
    Press("deleteFixedButton");

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogs::Shown::Kind::Question);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("确定删除任务：红包刷新时间？"));
    EXPECT_EQ(Bytes(), EncodeCp936(expected));
    EXPECT_TRUE(Lines("fixedTaskList").isEmpty());
    EXPECT_EQ(Lines("rangeTaskList").size(), 1);
    EXPECT_EQ(told.changes, std::vector{ScheduleChange::Deleted});
    EXPECT_EQ(statusRefreshes, 0) << "the store's telling reloads the status window";
}

TEST_F(Delete, NoLeavesFileAndListsButShowsTheStatusAgain) {
    WriteDefaultFile();
    const std::string before = Bytes();
    Open();
    dialogs.answers = {false};
    SelectRow("rangeTaskList", 0);
    Press("deleteRangeButton");

    EXPECT_EQ(dialogs.texts(), QStringList{"确定删除任务：就餐时间？"});
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Lines("rangeTaskList").size(), 1);
    EXPECT_EQ(Lines("fixedTaskList"), QStringList{kDefaultFixedLine});
    EXPECT_TRUE(told.changes.empty());
    EXPECT_EQ(statusRefreshes, 1) << "shown again all the same";
}

TEST_F(Delete, WithoutASelectedLineNothingHappens) {
    WriteDefaultFile();
    const std::string before = Bytes();
    Open();
    dialogs.answers = {true, true};
    Press("deleteFixedButton");
    Press("deleteRangeButton");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(told.changes.empty());
    EXPECT_EQ(statusRefreshes, 0);
}

TEST_F(Delete, AValueHoldingEqualsSignsDeletesItsOwnKey) {
    WriteText(
        u"[范围时间任务日程]\r\n甲=a=b|每日\r\na=x|每日\r\n[固定时间任务日程]\r\n甲=09:00|"
        u"每日\r\n");
    Open();
    dialogs.answers = {true};
    SelectRow("rangeTaskList", 0);
    Press("deleteRangeButton");

    EXPECT_EQ(dialogs.texts(), QStringList{"确定删除任务：甲？"});
    EXPECT_EQ(KeyLines("范围时间任务日程"), QStringList{"a=x|每日"});
    EXPECT_EQ(KeyLines("固定时间任务日程"), QStringList{"甲=09:00|每日"}) << "other section kept";
    EXPECT_EQ(Lines("rangeTaskList"), QStringList{"a=x|每日"});
    EXPECT_EQ(told.changes, std::vector{ScheduleChange::Deleted});
}

}  // namespace
