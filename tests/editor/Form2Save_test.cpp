#include <QClipboard>

#include "tests/editor/EditorFixture.h"

namespace {

using Save = EditorTest;

const QString kDuration = QStringLiteral("持续时间设置");

// True when the file holds the line, in code page 936 and ended by CR LF.
bool HoldsLine(const std::string& bytes, const QString& line) {
    return bytes.find(EncodeCp936(u"\r\n" + line.toStdU16String() + u"\r\n")) != std::string::npos;
}

TEST_F(Save, FixedPointsOnChosenWeekdays) {
    WriteDefaultFile();
    Open();
    Type("taskNameBox", "晨会");
    AddTime("8");
    AddTime("12");
    Tick(Weekday(1));
    Tick(Weekday(3));
    Press("saveButton");

    EXPECT_EQ(dialogs.texts(), QStringList{"保存成功！"});
    EXPECT_EQ(KeyLines(kFixedSectionName),
              (QStringList{kDefaultFixedLine, "晨会=08:00,12:00|星期一,星期三"}));
    EXPECT_EQ(KeyLines(kRangeSectionName), QStringList{kDefaultRangeLine});
    EXPECT_TRUE(HoldsLine(Bytes(), "晨会=08:00,12:00|星期一,星期三"));
    EXPECT_EQ(Lines("fixedTaskList"),
              (QStringList{kDefaultFixedLine, "晨会=08:00,12:00|星期一,星期三"}));
    ExpectEntryControlsReset();
    EXPECT_EQ(told.changes, std::vector{ScheduleChange::Saved});
}

TEST_F(Save, RangeEveryDay) {
    WriteDefaultFile();
    Open();
    Type("taskNameBox", "早餐");
    Tick("rangeKindOption");
    AddTime("6", "", "6", "30");
    Tick("dailyCheck");
    Press("saveButton");

    EXPECT_EQ(dialogs.texts(), QStringList{"保存成功！"});
    EXPECT_EQ(KeyLines(kRangeSectionName),
              (QStringList{kDefaultRangeLine, "早餐=06:00-06:30|每日"}));
    EXPECT_EQ(KeyLines(kFixedSectionName), QStringList{kDefaultFixedLine});
    EXPECT_TRUE(HoldsLine(Bytes(), "早餐=06:00-06:30|每日"));
    EXPECT_EQ(Lines("rangeTaskList").last(), QStringLiteral("早餐=06:00-06:30|每日"));
    ExpectEntryControlsReset();
}

TEST_F(Save, AllSevenWeekdaysAreListedByName) {
    WriteDefaultFile();
    Open();
    Type("taskNameBox", "Run");
    AddTime("7", "30");
    for (int day = 1; day <= 7; ++day)
        Tick(Weekday(day));
    Press("saveButton");
    EXPECT_EQ(KeyLines(kFixedSectionName).last(),
              QStringLiteral("Run=07:30|星期一,星期二,星期三,星期四,星期五,星期六,星期日"));
}

TEST_F(Save, NameIsTrimmedAndKeepsInnerSpacesBarsAndCommas) {
    WriteDefaultFile();
    Open();
    Type("taskNameBox", "\u3000 午间 休息|A,B \u3000");
    AddTime("12");
    Tick(Weekday(6));
    Press("saveButton");
    EXPECT_EQ(dialogs.texts(), QStringList{"保存成功！"});
    EXPECT_EQ(KeyLines(kFixedSectionName).last(), QStringLiteral("午间 休息|A,B=12:00|星期六"));
}

TEST_F(Save, SavingAnExistingNameReplacesItInItsSectionOnly) {
    WriteDefaultFile();
    Open();
    Type("taskNameBox", "就餐时间");
    AddTime("11");
    Tick("dailyCheck");
    Press("saveButton");
    Type("taskNameBox", "红包刷新时间");
    AddTime("9");
    Tick("dailyCheck");
    Press("saveButton");
    EXPECT_EQ(KeyLines(kFixedSectionName),
              (QStringList{"红包刷新时间=09:00|每日", "就餐时间=11:00|每日"}));
    EXPECT_EQ(KeyLines(kRangeSectionName), QStringList{kDefaultRangeLine});
}

struct Refusal {
    const char* what;
    QString name;
    bool addTime;
    bool tickDay;
    QString message;
    const char* focus;
};

TEST_F(Save, RefusalsWriteNothingAndKeepTheEntries) {
    const Refusal cases[] = {
        {"blank name", " \u3000 ", true, true, "请输入任务名称！", "taskNameBox"},
        {"no name", "", false, false, "请输入任务名称！", "taskNameBox"},
        {"no time", "晨会", false, true, "至少添加一个时间！", "saveButton"},
        {"no day", "晨会", true, false, "请选择周期！", "saveButton"},
        {"equals sign", "a=b", true, true, "任务名称不能包含“=”！", "taskNameBox"},
        {"section bracket", " [晨会]", true, true, "任务名称不能以“[”或“;”开头！", "taskNameBox"},
        {"comment", ";晨会", true, true, "任务名称不能以“[”或“;”开头！", "taskNameBox"},
        {"outside code page 936", "晨会😀", true, true, "任务名称含有无法保存的字符：😀",
         "taskNameBox"},
        {"name before times", "a=b", false, false, "任务名称不能包含“=”！", "taskNameBox"},
    };
    WriteDefaultFile();
    const std::string before = Bytes();
    for (const Refusal& c : cases) {
        dialogs.shown.clear();
        Open();
        Type("taskNameBox", c.name);
        if (c.addTime)
            AddTime("8");
        if (c.tickDay)
            Tick(Weekday(2));
        Press("saveButton");

        EXPECT_EQ(dialogs.texts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(c.focus)) << c.what;
        EXPECT_EQ(Bytes(), before) << c.what;
        EXPECT_EQ(Box("taskNameBox")->text(), c.name) << c.what;
        EXPECT_EQ(Lines("pendingTimeList"), c.addTime ? QStringList{"08:00"} : QStringList{})
            << c.what;
        EXPECT_EQ(Weekday(2)->isChecked(), c.tickDay) << c.what;
        form.reset();
    }
}

TEST_F(Save, PastedLineBreakInTheNameIsRefused) {
    WriteDefaultFile();
    const std::string before = Bytes();
    Open();
    QApplication::clipboard()->setText(QStringLiteral("晨\n会"));
    QTest::keyClick(Box("taskNameBox"), Qt::Key_V, Qt::ControlModifier);
    if (!Box("taskNameBox")->text().contains(u'\n')) {
        GTEST_SKIP() << "this platform's text box drops pasted line breaks";
    }
    AddTime("8");
    Tick("dailyCheck");
    Press("saveButton");
    EXPECT_EQ(dialogs.texts(), QStringList{"任务名称不能包含换行符或其他控制字符！"});
    EXPECT_EQ(QApplication::focusWidget(), Box("taskNameBox"));
    EXPECT_EQ(Bytes(), before);
}

struct DurationCase {
    QString typed;
    QString stored;
};

TEST_F(Save, DurationIsWrittenOnlyForWholeMinutesFromOneToSixty) {
    const DurationCase cases[] = {
        {"5", "持续时间=5"},      {"60", "持续时间=60"},       {" 1 ", "持续时间=1"},
        {"0.6", "持续时间=1"},    {"0", "持续时间=30"},        {"61", "持续时间=30"},
        {"", "持续时间=30"},      {"ab", "持续时间=30"},       {"-5", "持续时间=30"},
        {"40000", "持续时间=30"}, {"99999999", "持续时间=30"},
    };
    for (const DurationCase& c : cases) {
        WriteText(u"[固定时间任务日程]\r\n[持续时间设置]\r\n持续时间=30\r\n");
        dialogs.shown.clear();
        Open();
        Type("taskNameBox", "晨会");
        AddTime("8");
        Tick("dailyCheck");
        Type("durationBox", c.typed);
        Press("saveButton");
        EXPECT_EQ(dialogs.texts(), QStringList{"保存成功！"}) << c.typed;
        EXPECT_EQ(KeyLines(kDuration), QStringList{c.stored}) << c.typed;
        EXPECT_EQ(KeyLines(kFixedSectionName), QStringList{"晨会=08:00|每日"}) << c.typed;
        form.reset();
    }
}

}  // namespace
