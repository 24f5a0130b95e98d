#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>

#include "desktop/QtTimeZones.h"
#include "editor/Form2.h"
#include "tests/app/StatusWindowFixture.h"

namespace {

// The editor's changes reach the status window through the store they share, and the editor's
// refresh: a delete question shows the file at once, answered yes or no; a save shows at the next
// reload.
TEST_F(StatusWindowTest, DeleteInTheEditorShowsAtOnceASaveAtTheNextReload) {
    now = MondayAt(12, 3);
    const auto form = Open();  // writes the default schedule
    const QString before = Text(*form, "currentLabel");
    ASSERT_TRUE(before.contains(QStringLiteral("红包刷新时间")));

    const QtTimeZones zones;
    Form2 editor(
        dialogs, ShownSchedule(), zones, [this] { ShownController().刷新任务(); }, form.get());
    const auto press = [&](const char* name) {
        editor.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    editor.findChild<QLineEdit*>(QStringLiteral("taskNameBox"))->setText(QStringLiteral("早会"));
    QTest::keyClicks(editor.findChild<QLineEdit*>(QStringLiteral("startHourBox")), "12");
    press("addTimeButton");
    press("dailyCheck");
    press("saveButton");
    ASSERT_EQ(dialogs.texts().last(), QStringLiteral("保存成功！"));
    EXPECT_EQ(Text(*form, "currentLabel"), before) << "a save waits for the next reload";

    auto* fixedList = editor.findChild<QListWidget*>(QStringLiteral("fixedTaskList"));
    ASSERT_EQ(fixedList->count(), 2);
    fixedList->setCurrentRow(0);
    dialogs.answers.push_back(false);
    press("deleteFixedButton");
    EXPECT_EQ(Text(*form, "currentLabel"),
              QStringLiteral("*当前可参与*\n1. 红包刷新时间 12:00-12:05\n2. 早会 12:00-12:05\n"
                             "3. 就餐时间 12:00-12:30"))
        << "a declined delete shows the file as it stands";

    dialogs.answers.push_back(true);
    press("deleteFixedButton");

    EXPECT_EQ(Text(*form, "currentLabel"),
              QStringLiteral("*当前可参与*\n1. 早会 12:00-12:05\n2. 就餐时间 12:00-12:30"));
    EXPECT_EQ(fixedList->count(), 1);
}

}  // namespace
