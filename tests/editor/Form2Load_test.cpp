#include "tests/editor/EditorFixture.h"

namespace {

using Load = EditorTest;

// Written by hand: full-width separators, spaces, an entry the editor could not have produced.
const std::u16string kHandWritten =
    u"[固定时间任务日程]\r\n手写=9：00， 25:70 ,,\u3000 13 : 05|星期三　星期一，星期日\r\n"
    u"[范围时间任务日程]\r\n夜班=22:00-06:00|星期五每日\r\n";

enum class Gesture { DoubleClick, Enter };

struct LoadCase {
    const char* what;
    bool defaultFile;
    const char* list;
    Gesture gesture;
    QString name;
    bool range;
    QStringList entries;
    bool daily;
    QString ticked;  // the ticked weekdays, "1" for Monday to "7" for Sunday
};

TEST_F(Load, ALineOfATaskListFillsTheEntryControls) {
    const LoadCase cases[] = {
        {"default fixed",
         true,
         "fixedTaskList",
         Gesture::DoubleClick,
         "红包刷新时间",
         false,
         {"00:00", "08:00", "12:00", "16:00", "20:00", "22:00"},
         true,
         ""},
        {"default range",
         true,
         "rangeTaskList",
         Gesture::Enter,
         "就餐时间",
         true,
         {"06:00-06:30", "12:00-12:30", "18:00-18:30"},
         false,
         "12345"},
        {"hand-written",
         false,
         "fixedTaskList",
         Gesture::Enter,
         "手写",
         false,
         {"9:00", "25:70", "13:05"},
         false,
         "137"},
        {"daily among days",
         false,
         "rangeTaskList",
         Gesture::DoubleClick,
         "夜班",
         true,
         {"22:00-06:00"},
         true,
         ""},
    };
    for (const LoadCase& c : cases) {
        if (c.defaultFile) {
            WriteDefaultFile();
        } else {
            WriteText(kHandWritten);
        }
        Open();
        // What was there before: the other kind, a time half typed, other days, a duration.
        AddTime("7");
        Type("durationBox", "7");
        if (!c.range)
            Tick("rangeKindOption");
        Type("startHourBox", "5");
        Type("endMinuteBox", "5");
        Tick("dailyCheck");
        if (c.gesture == Gesture::DoubleClick) {
            DoubleClickRow(c.list, 0);
        } else {
            SelectRow(c.list, 0);
            QTest::keyClick(List(c.list), Qt::Key_Return);
        }

        EXPECT_EQ(Box("taskNameBox")->text(), c.name) << c.what;
        EXPECT_EQ(Option("rangeKindOption")->isChecked(), c.range) << c.what;
        EXPECT_EQ(Option("fixedKindOption")->isChecked(), !c.range) << c.what;
        EXPECT_EQ(Box("endHourBox")->isEnabled(), c.range) << c.what;
        EXPECT_EQ(Box("durationBox")->isEnabled(), !c.range) << c.what;
        EXPECT_EQ(Lines("pendingTimeList"), c.entries) << c.what;
        EXPECT_EQ(Check("dailyCheck")->isChecked(), c.daily) << c.what;
        for (int day = 1; day <= 7; ++day) {
            EXPECT_EQ(Weekday(day)->isChecked(), c.ticked.contains(QString::number(day)))
                << c.what << " " << day;
            EXPECT_EQ(Weekday(day)->isEnabled(), !c.daily) << c.what << " " << day;
        }
        for (const char* box : {"startHourBox", "startMinuteBox", "endHourBox", "endMinuteBox"})
            EXPECT_TRUE(Box(box)->text().isEmpty()) << c.what << " " << box;
        EXPECT_EQ(Box("durationBox")->text(), QStringLiteral("7")) << c.what;
        EXPECT_TRUE(dialogs.shown.empty()) << c.what;
        form.reset();
    }
}

TEST_F(Load, ADefaultActivitySavedUnchangedLeavesTheFileByteForByte) {
    for (const char* list : {"fixedTaskList", "rangeTaskList"}) {
        WriteDefaultFile();
        const std::string before = Bytes();
        dialogs.shown.clear();
        Open();
        DoubleClickRow(list, 0);
        Press("saveButton");
        EXPECT_EQ(dialogs.texts(), QStringList{"保存成功！"}) << list;
        EXPECT_EQ(Bytes(), before) << list;
        form.reset();
    }
}

TEST_F(Load, SavingReplacesUnderTheSameNameAndAddsUnderANewOne) {
    WriteText(kHandWritten);
    Open();
    DoubleClickRow("fixedTaskList", 0);
    Press("saveButton");
    EXPECT_EQ(KeyLines(kFixedSectionName),
              QStringList{"手写=9:00,25:70,13:05|星期一,星期三,星期日"})
        << "comes back in the editor's form";
    form.reset();

    WriteDefaultFile();
    Open();
    DoubleClickRow("rangeTaskList", 0);
    Box("taskNameBox")->clear();
    Type("taskNameBox", "晚餐");
    Press("saveButton");
    EXPECT_EQ(KeyLines(kRangeSectionName),
              (QStringList{kDefaultRangeLine,
                           "晚餐=06:00-06:30,12:00-12:30,18:00-18:30|星期一,星期二,星期三,星期四,"
                           "星期五"}));
    EXPECT_EQ(KeyLines(kFixedSectionName), QStringList{kDefaultFixedLine});
    EXPECT_EQ(Lines("rangeTaskList").size(), 2);
}

}  // namespace
