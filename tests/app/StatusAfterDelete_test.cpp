#include <QListWidget>
#include <QPushButton>

#include "editor/Form2.h"
#include "tests/app/StatusWindowFixture.h"

namespace {

// A delete in the editor reloads the status window at once; a save waits for the next reload.
TEST_F(StatusWindowTest, DeleteInTheEditorShowsTheReducedScheduleAtOnce) {
    now = MondayAt(12, 3);
    const auto form = Open();  // writes the default schedule
    ASSERT_TRUE(Text(*form, "currentLabel").contains(QStringLiteral("红包刷新时间")));

    Form2 editor(
        dialogs, Schedule(), [&] { form->刷新任务(); }, form.get());
    auto* fixedList = editor.findChild<QListWidget*>(QStringLiteral("fixedTaskList"));
    ASSERT_EQ(fixedList->count(), 1);
    fixedList->setCurrentRow(0);
    dialogs.answers.push_back(true);
    QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("deleteFixedButton")),
                      Qt::LeftButton);

    EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("*当前可参与*\n1. 就餐时间 12:00-12:30"));
    EXPECT_EQ(fixedList->count(), 0);
}

}  // namespace
