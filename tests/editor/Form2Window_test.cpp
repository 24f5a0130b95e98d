#include <QAccessible>
#include <QPushButton>

#include "tests/editor/EditorFixture.h"

namespace {

using Window = EditorTest;

TEST_F(Window, StartsOnFixedPointsWithBothListsReadFromTheFile) {
    WriteDefaultFile();
    Open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("任务生成"));
    EXPECT_TRUE(form->isModal());
    EXPECT_TRUE(Option("fixedKindOption")->isChecked());
    EXPECT_FALSE(Option("rangeKindOption")->isChecked());
    EXPECT_TRUE(Option("sameDayOption")->isChecked());
    EXPECT_EQ(Lines("fixedTaskList"), QStringList{kDefaultFixedLine});
    EXPECT_EQ(Lines("rangeTaskList"), QStringList{kDefaultRangeLine});
    EXPECT_TRUE(Lines("pendingTimeList").isEmpty());
    EXPECT_TRUE(Box("durationBox")->text().isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Window, ControlsCarryTheirCaptions) {
    WriteDefaultFile();
    Open();
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"fixedKindOption", "固定时间点"},
        {"rangeKindOption", "时间段"},
        {"sameDayOption", "当日时段"},
        {"rangeDaySpanOption", "跨日时段"},
        {"dailyCheck", "每日"},
        {"weekdayChecks1", "星期一"},
        {"weekdayChecks2", "星期二"},
        {"weekdayChecks3", "星期三"},
        {"weekdayChecks4", "星期四"},
        {"weekdayChecks5", "星期五"},
        {"weekdayChecks6", "星期六"},
        {"weekdayChecks7", "星期日"},
        {"addTimeButton", "添加时间"},
        {"removeTimeButton", "删除时间"},
        {"saveButton", "保存任务"},
        {"resetButton", "重置"},
        {"deleteFixedButton", "删除固定任务"},
        {"deleteRangeButton", "删除范围任务"},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(Find<QAbstractButton>(b.name)->text(), QString::fromUtf8(b.caption)) << b.name;
    }
}

TEST_F(Window, EveryBoxAndListIsReachedAndNamedThroughItsLabel) {
    WriteDefaultFile();
    Open();
    const struct {
        const char* name;
        const char* label;
    } buddies[] = {
        {"fixedTaskList", "固定时间任务"},   {"rangeTaskList", "范围时间任务"},
        {"taskNameBox", "任务名称"},         {"startHourBox", "开始小时"},
        {"startMinuteBox", "开始分钟"},      {"endHourBox", "结束小时"},
        {"endMinuteBox", "结束分钟"},        {"pendingTimeList", "已添加时间"},
        {"durationBox", "持续时间（分钟）"},
    };
    const QList<QLabel*> labels = form->findChildren<QLabel*>();
    for (const auto& b : buddies) {
        QWidget* control = Find<QWidget>(b.name);
        QStringList captions;
        for (const QLabel* label : labels) {
            if (label->buddy() == control)
                captions << label->text();
        }
        EXPECT_EQ(captions, QStringList{QString::fromUtf8(b.label)}) << b.name;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(reader, nullptr) << b.name;
        EXPECT_EQ(reader->text(QAccessible::Name), QString::fromUtf8(b.label)) << b.name;
    }
}

TEST_F(Window, TabFollowsTheWayAnActivityIsComposed) {
    WriteDefaultFile();
    Open();
    const QStringList expected = {
        "taskNameBox", "fixedKindOption", "startHourBox",   "startMinuteBox", "addTimeButton",
        "dailyCheck",  "weekdayChecks1",  "weekdayChecks7", "durationBox",    "saveButton"};
    Box("taskNameBox")->setFocus();
    QStringList visited = {QApplication::focusWidget()->objectName()};
    for (int step = 0; step < 40 && QApplication::focusWidget() != Find<QWidget>("saveButton");
         ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        if (expected.contains(name))
            visited << name;
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(Window, KindChoiceGreysTheControlsOfTheOtherKind) {
    WriteDefaultFile();
    Open();
    const QStringList rangeOnly = {"endHourBox", "endMinuteBox", "sameDayOption",
                                   "rangeDaySpanOption"};
    QLabel* durationLabel = Find<QLabel>("durationBoxLabel");
    for (const QString& name : rangeOnly)
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(Box("durationBox")->isEnabled());
    EXPECT_TRUE(durationLabel->isEnabled());

    Tick("rangeKindOption");
    EXPECT_TRUE(Option("rangeKindOption")->isChecked());
    EXPECT_TRUE(Option("sameDayOption")->isChecked()) << "the two groups are separate";
    for (const QString& name : rangeOnly)
        EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_FALSE(Box("durationBox")->isEnabled());
    EXPECT_FALSE(durationLabel->isEnabled());
    EXPECT_TRUE(Box("durationBox")->isVisible()) << "disabled, not hidden";

    Tick("rangeDaySpanOption");
    EXPECT_TRUE(Option("rangeKindOption")->isChecked()) << "the two groups are separate";
    EXPECT_FALSE(Option("sameDayOption")->isChecked());

    Tick("fixedKindOption");
    for (const QString& name : rangeOnly)
        EXPECT_FALSE(Find<QWidget>(name)->isEnabled()) << name;
    EXPECT_TRUE(Find<QWidget>("endHourBox")->isVisible());
    EXPECT_TRUE(Box("durationBox")->isEnabled());
}

TEST_F(Window, DailyTickClearsAndGreysTheWeekdays) {
    WriteDefaultFile();
    Open();
    Tick(Weekday(1));
    Tick(Weekday(3));
    ASSERT_TRUE(Weekday(1)->isChecked());

    Tick("dailyCheck");
    EXPECT_TRUE(Check("dailyCheck")->isChecked());
    for (int day = 1; day <= 7; ++day) {
        EXPECT_FALSE(Weekday(day)->isChecked()) << day;
        EXPECT_FALSE(Weekday(day)->isEnabled()) << day;
    }
    Tick(Weekday(2));
    EXPECT_FALSE(Weekday(2)->isChecked()) << "a greyed box takes no clicks";

    Tick("dailyCheck");
    EXPECT_FALSE(Check("dailyCheck")->isChecked());
    for (int day = 1; day <= 7; ++day) {
        EXPECT_FALSE(Weekday(day)->isChecked()) << day;
        EXPECT_TRUE(Weekday(day)->isEnabled()) << day;
    }
}

TEST_F(Window, UntickingDailyKeepsTheWeekdayTicks) {
    WriteDefaultFile();
    Open();
    Tick(Weekday(5));
    Check("dailyCheck")->setChecked(true);  // set from code: not a click, no greying
    EXPECT_TRUE(Weekday(5)->isEnabled());
    Tick("dailyCheck");
    EXPECT_FALSE(Check("dailyCheck")->isChecked());
    EXPECT_TRUE(Weekday(5)->isChecked());
    EXPECT_TRUE(Weekday(5)->isEnabled());
}

TEST_F(Window, ClickOnAWeekdayUnticksDaily) {
    WriteDefaultFile();
    Open();
    Check("dailyCheck")->setChecked(true);  // set from code: the weekdays stay available
    Tick(Weekday(4));
    EXPECT_FALSE(Check("dailyCheck")->isChecked());
    EXPECT_TRUE(Weekday(4)->isChecked());
}

TEST_F(Window, RemoveTimeDropsTheSelectedEntryOnly) {
    WriteDefaultFile();
    Open();
    AddTime("8");
    AddTime("9");
    AddTime("10");
    Press("removeTimeButton");
    EXPECT_EQ(Lines("pendingTimeList"), (QStringList{"08:00", "09:00", "10:00"}))
        << "nothing selected, nothing removed";
    SelectRow("pendingTimeList", 1);
    Press("removeTimeButton");
    EXPECT_EQ(Lines("pendingTimeList"), (QStringList{"08:00", "10:00"}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Window, ResetEmptiesEveryEntryControl) {
    WriteDefaultFile();
    Open();
    Type("taskNameBox", "午休");
    Type("durationBox", "10");
    Tick("rangeKindOption");
    AddTime("12", "0", "13", "30");
    Type("startHourBox", "7");
    Type("endMinuteBox", "5");
    Tick("rangeDaySpanOption");
    Tick(Weekday(2));
    Tick("dailyCheck");
    ASSERT_EQ(Lines("pendingTimeList"), QStringList{"12:00-13:30"});

    Press("resetButton");
    ExpectEntryControlsReset();
    EXPECT_EQ(Lines("fixedTaskList"), QStringList{kDefaultFixedLine});
}

TEST_F(Window, ListsShowEachKeyWithItsValueInFileOrder) {
    WriteText(
        u"[范围时间任务日程]\r\n乙=09:00-10:00|每日\r\n; 注释\r\n甲=a=b|星期一\r\n乙=x|每日\r\n"
        u"[固定时间任务日程]\r\n空=\r\n");
    Open();
    EXPECT_EQ(Lines("fixedTaskList"), QStringList{"空="});
    EXPECT_EQ(Lines("rangeTaskList").first(), QStringLiteral("乙=09:00-10:00|每日"));
    EXPECT_EQ(Lines("rangeTaskList").at(1), QStringLiteral("甲=a=b|星期一"));
}

TEST_F(Window, MissingSectionsOrFileLeaveTheListsEmpty) {
    WriteText(u"[持续时间设置]\r\n持续时间=5\r\n");
    Open();
    EXPECT_TRUE(Lines("fixedTaskList").isEmpty());
    EXPECT_TRUE(Lines("rangeTaskList").isEmpty());
    form.reset();

    std::filesystem::remove(ini);
    Open();
    EXPECT_TRUE(Lines("fixedTaskList").isEmpty());
    EXPECT_TRUE(Lines("rangeTaskList").isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
