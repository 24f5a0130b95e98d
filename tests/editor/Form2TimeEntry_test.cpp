#include "tests/editor/EditorFixture.h"

namespace {

using TimeEntry = EditorTest;

struct AddCase {
    bool range;
    bool sameDay;
    QString startHour, startMinute, endHour, endMinute;
    QString message;  // empty when the entry is added
    QString entry;    // the added line
    const char* focus;
};

TEST_F(TimeEntry, AddTimeChecksAndFormatsAsAUserTypesIt) {
    const QString outOfRange = QStringLiteral("时间超出范围！");
    const QString notSameDay = QStringLiteral("当日时段不能开始≥结束！");
    const AddCase cases[] = {
        {false, true, "8", "", "", "", "", "08:00", "startHourBox"},
        {false, true, " 7 ", "5", "", "", "", "07:05", "startHourBox"},
        {false, true, "24", "", "", "", outOfRange, "", "addTimeButton"},
        {false, true, "8", "60", "", "", outOfRange, "", "addTimeButton"},
        {false, true, "-1", "", "", "", outOfRange, "", "addTimeButton"},
        {false, true, "ab", "", "", "", "", "00:00", "startHourBox"},
        {false, true, "7.6", "", "", "", "", "08:00", "startHourBox"},
        {false, true, "2.5", "", "", "", "", "02:00", "startHourBox"},
        {false, true, "", "30", "", "", "开始小时不能为空！", "", "startHourBox"},
        {false, true, "\u3000 ", "", "", "", "开始小时不能为空！", "", "startHourBox"},
        {false, true, "40000", "", "", "", outOfRange, "", "addTimeButton"},
        {false, true, "8", "99999", "", "", outOfRange, "", "addTimeButton"},
        {true, true, "22", "", "6", "", notSameDay, "", "addTimeButton"},
        {true, false, "22", "", "6", "", "", "22:00-06:00", "startHourBox"},
        {true, true, "9", "", "9", "", notSameDay, "", "addTimeButton"},
        {true, true, "6", "", "6", "30", "", "06:00-06:30", "startHourBox"},
        {true, true, "8", "", "", "", "结束小时不能为空！", "", "endHourBox"},
        {true, true, "25", "", "", "", outOfRange, "", "addTimeButton"},
        {true, true, "8", "", "24", "", "结束时间超出范围！", "", "addTimeButton"},
        {true, true, "8", "", "9", "60", "结束时间超出范围！", "", "addTimeButton"},
        {true, true, "8", "", "-70000", "", "结束时间超出范围！", "", "addTimeButton"},
    };
    WriteDefaultFile();
    for (const AddCase& c : cases) {
        const std::string context = (c.startHour + "|" + c.startMinute + "|" + c.endHour + "|" +
                                     c.endMinute + (c.range ? " range" : " fixed"))
                                        .toStdString();
        dialogs.shown.clear();
        Open();
        if (c.range)
            Tick("rangeKindOption");
        if (!c.sameDay)
            Tick("rangeDaySpanOption");
        AddTime(c.startHour, c.startMinute, c.endHour, c.endMinute);

        EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(c.focus)) << context;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(dialogs.shown.empty()) << context;
            EXPECT_EQ(Lines("pendingTimeList"), QStringList{c.entry}) << context;
            for (const char* box : {"startHourBox", "startMinuteBox", "endHourBox", "endMinuteBox"})
                EXPECT_TRUE(Box(box)->text().isEmpty()) << context << " " << box;
        } else {
            ASSERT_EQ(dialogs.shown.size(), 1u) << context;
            EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogs::Shown::Kind::Information);
            EXPECT_EQ(dialogs.shown[0].text, c.message) << context;
            EXPECT_TRUE(Lines("pendingTimeList").isEmpty()) << context;
            EXPECT_EQ(Box("startHourBox")->text(), c.startHour) << context;
            EXPECT_EQ(Box("startMinuteBox")->text(), c.startMinute) << context;
            if (c.range) {
                EXPECT_EQ(Box("endHourBox")->text(), c.endHour) << context;
                EXPECT_EQ(Box("endMinuteBox")->text(), c.endMinute) << context;
            }
        }
        form.reset();
    }
}

TEST_F(TimeEntry, EntriesKeepTheirOrderAndRepeats) {
    WriteDefaultFile();
    Open();
    AddTime("12");
    AddTime("8");
    AddTime("8");
    EXPECT_EQ(Lines("pendingTimeList"), (QStringList{"12:00", "08:00", "08:00"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(TimeEntry, FixedKindIgnoresWhatIsLeftInTheEndBoxes) {
    WriteDefaultFile();
    Open();
    Tick("rangeKindOption");
    Type("endHourBox", "99");
    Tick("fixedKindOption");
    AddTime("9", "15");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(Lines("pendingTimeList"), QStringList{"09:15"});
    EXPECT_TRUE(Box("endHourBox")->text().isEmpty()) << "all four boxes are emptied";
}

}  // namespace
