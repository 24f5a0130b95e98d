#include "tests/editor/EditorFixture.h"

namespace {

using Keyboard = EditorTest;

TEST_F(Keyboard, OpensWithTheFocusInTheNameBoxEveryTime) {
    WriteDefaultFile();
    Open();
    EXPECT_EQ(QApplication::focusWidget(), Box("taskNameBox"));
    List("fixedTaskList")->setFocus();
    form->hide();
    form->show();
    EXPECT_EQ(form->focusWidget(), Box("taskNameBox")) << "the focus when it is shown again";
}

struct EnterCase {
    bool range;
    QString startHour, startMinute, endHour, endMinute;
    const char* pressedIn;
    Qt::Key key;
    QString message;  // empty when the entry is added
    QString entry;
    const char* focus;
};

TEST_F(Keyboard, EnterInATimeBoxAddsTheTime) {
    const EnterCase cases[] = {
        {false, "8", "", "", "", "startHourBox", Qt::Key_Return, "", "08:00", "startHourBox"},
        {false, "8", "15", "", "", "startMinuteBox", Qt::Key_Enter, "", "08:15", "startHourBox"},
        {true, "6", "", "6", "30", "endHourBox", Qt::Key_Return, "", "06:00-06:30", "startHourBox"},
        {true, "22", "", "6", "", "endMinuteBox", Qt::Key_Return, "当日时段不能开始≥结束！", "",
         "endMinuteBox"},
        {true, "8", "", "", "", "startMinuteBox", Qt::Key_Return, "结束小时不能为空！", "",
         "endHourBox"},
        {false, "", "30", "", "", "startMinuteBox", Qt::Key_Return, "开始小时不能为空！", "",
         "startHourBox"},
    };
    WriteDefaultFile();
    for (const EnterCase& c : cases) {
        dialogs.shown.clear();
        Open();
        if (c.range)
            Tick("rangeKindOption");
        Type("startHourBox", c.startHour);
        Type("startMinuteBox", c.startMinute);
        Type("endHourBox", c.endHour);
        Type("endMinuteBox", c.endMinute);
        Box(c.pressedIn)->setFocus();
        QTest::keyClick(Box(c.pressedIn), c.key);

        EXPECT_EQ(dialogs.texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message})
            << c.pressedIn;
        EXPECT_EQ(Lines("pendingTimeList"),
                  c.entry.isEmpty() ? QStringList{} : QStringList{c.entry})
            << c.pressedIn;
        EXPECT_EQ(QApplication::focusWidget(), Find<QWidget>(c.focus)) << c.pressedIn;
        EXPECT_EQ(Box("startHourBox")->text(), c.message.isEmpty() ? QString() : c.startHour)
            << c.pressedIn;
        form.reset();
    }
}

struct DeleteKeyCase {
    const char* list;
    bool answer;
    QStringList asked;
    QStringList left;
    std::vector<ScheduleChange> told;
    int statusRefreshes;
};

TEST_F(Keyboard, DeleteKeyRunsTheListsDeleteOrRemove) {
    const DeleteKeyCase cases[] = {
        {"fixedTaskList", true, {"确定删除任务：红包刷新时间？"}, {}, {ScheduleChange::Deleted}, 0},
        {"rangeTaskList", false, {"确定删除任务：就餐时间？"}, {kDefaultRangeLine}, {}, 1},
        {"pendingTimeList", true, {}, {"09:00"}, {}, 0},
    };
    for (const DeleteKeyCase& c : cases) {
        WriteDefaultFile();
        dialogs.shown.clear();
        Open();
        AddTime("8");
        AddTime("9");
        dialogs.answers = {c.answer};
        SelectRow(c.list, 0);
        QTest::keyClick(List(c.list), Qt::Key_Delete);

        EXPECT_EQ(dialogs.texts(), c.asked) << c.list;
        EXPECT_EQ(Lines(c.list), c.left) << c.list;
        EXPECT_EQ(told.changes, c.told) << c.list;
        EXPECT_EQ(statusRefreshes, c.statusRefreshes) << c.list;
        told.changes.clear();
        statusRefreshes = 0;
        form.reset();
    }
}

}  // namespace
