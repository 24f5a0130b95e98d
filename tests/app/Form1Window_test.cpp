#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QFontMetricsF>
#include <QKeySequence>
#include <QTest>
#include <QWindow>

#include <cmath>
#include <string_view>

#include "app/StatusLayout.h"
#include "tests/app/StatusWindowFixture.h"

namespace {

class Form1WindowTest : public StatusWindowTest {
  protected:
    // Shown at a known place, on a schedule with nothing open and nothing soon at 11:40.
    std::unique_ptr<Form1> Shown(std::initializer_list<std::u16string_view> activities = {}) {
        std::vector<std::u16string_view> lines = {u"[持续时间设置]", u"持续时间=5",
                                                  u"[固定时间任务日程]"};
        lines.insert(lines.end(), activities.begin(), activities.end());
        WriteIni(lines);
        auto form = Open();
        form->move(200, 150);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }

    // The height of a label's lines: a whole line spacing each, without the leading below the
    // last (fonts on Windows have some).
    static int TextHeight(const QLabel* label, int lines) {
        const QFontMetricsF metrics(label->font());
        return lines * static_cast<int>(std::ceil(metrics.lineSpacing())) -
               static_cast<int>(std::ceil(metrics.leading()));
    }
    static int Twips(const Form1& form, int twips) {
        return TwipsToPixels(twips, form.logicalDpiY());
    }
};

TEST_F(Form1WindowTest, SettingsOfTheWindowAndItsLabels) {
    const auto form = Open();
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(form->windowType(), Qt::Window) << "a main window, kept in the task bar";
    EXPECT_NEAR(form->windowOpacity(), 153.0 / 255, 0.005);
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(30, 30, 30));
    EXPECT_EQ(form->accessibleName(), QStringLiteral("Quillot"));
    EXPECT_EQ(form->width(), TwipsToPixels(kInitialWidthTwips, form->logicalDpiX()));

    struct LabelCase {
        const char* name;
        QColor text;
        bool bold;
    };
    for (const LabelCase& c : {LabelCase{"currentLabel", QColor(255, 255, 0), true},
                               LabelCase{"upcomingLabel", QColor(0, 255, 0), false}}) {
        const QLabel* label = Label(*form, c.name);
        ASSERT_NE(label, nullptr) << c.name;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), c.text) << c.name;
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(30, 30, 30)) << c.name;
        EXPECT_TRUE(label->autoFillBackground()) << c.name;
        EXPECT_EQ(label->font().families().value(0), QStringLiteral("Microsoft YaHei UI"));
        EXPECT_EQ(label->font().pointSize(), 9) << c.name;
        EXPECT_EQ(label->font().bold(), c.bold) << c.name;
        EXPECT_EQ(label->x(), 0) << c.name;
        EXPECT_EQ(label->width(), form->width()) << c.name;
    }

    const QTimer* timer = RefreshTimer(*form);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 60000);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(Form1WindowTest, ScreenReadersReadTheListsAndNamesAreNeverMarkup) {
    const auto form = Shown({u"<b>早会</b>=11:50|每日"});
    const QLabel* upcoming = Label(*form, "upcomingLabel");
    EXPECT_EQ(upcoming->text(), QStringLiteral("*30分钟内开启*\n1. <b>早会</b> 11:50开启"));
    EXPECT_EQ(upcoming->textFormat(), Qt::PlainText);
    for (const char* name : {"currentLabel", "upcomingLabel"}) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(Label(*form, name));
        ASSERT_NE(reader, nullptr) << name;
        EXPECT_EQ(reader->text(QAccessible::Name), Text(*form, name)) << name;
    }
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Quillot"));
}

TEST_F(Form1WindowTest, WithTheFocusEnterOrSpaceOpensTheEditor) {
    const auto form = Shown();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->hasFocus());
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int openings;  // after the key
    } keys[] = {
        {Qt::Key_Return, Qt::NoModifier, 1},      {Qt::Key_Enter, Qt::KeypadModifier, 2},
        {Qt::Key_Space, Qt::NoModifier, 3},       {Qt::Key_A, Qt::NoModifier, 3},
        {Qt::Key_Return, Qt::ControlModifier, 3}, {Qt::Key_Escape, Qt::NoModifier, 3},
    };
    for (const auto& k : keys) {
        QTest::keyClick(form->windowHandle(), k.key, k.modifiers);
        EXPECT_EQ(editorOpenings, k.openings)
            << QKeySequence(k.key | k.modifiers).toString().toStdString();
    }
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form1WindowTest, ScreenReadersOpenTheEditorAndCloseTheWindowThroughActions) {
    const struct {
        const char* target;
        QString action;
        QString readName;
        bool opens;  // otherwise it closes the window
    } cases[] = {
        {"window", QAccessibleActionInterface::pressAction(), "打开任务编辑器", true},
        {"window", "Close", "关闭", false},
        {"closeLabel", QAccessibleActionInterface::pressAction(), "关闭", false},
    };
    for (const auto& c : cases) {
        editorOpenings = 0;
        const auto form = Shown();
        QWidget* target = c.target == std::string_view("window") ? static_cast<QWidget*>(form.get())
                                                                 : Label(*form, c.target);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(target);
        ASSERT_NE(reader, nullptr) << c.target;
        QAccessibleActionInterface* actions = reader->actionInterface();
        ASSERT_NE(actions, nullptr) << c.target;
        EXPECT_TRUE(actions->actionNames().contains(c.action)) << c.target;
        EXPECT_EQ(actions->localizedActionName(c.action), c.readName) << c.target;
        actions->doAction(c.action);
        if (c.opens) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return editorOpenings == 1; })) << c.target;
            EXPECT_TRUE(form->isVisible()) << c.target;
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !form->isVisible(); })) << c.target;
            EXPECT_EQ(editorOpenings, 0) << c.target;
        }
    }
    const auto form = Shown();
    QAccessibleInterface* close = QAccessible::queryAccessibleInterface(Label(*form, "closeLabel"));
    EXPECT_EQ(close->role(), QAccessible::Button);
    EXPECT_EQ(close->text(QAccessible::Name), QStringLiteral("关闭"));
}

TEST_F(Form1WindowTest, CloseLabelSitsInTheTopRightCornerAndAppearsOnFirstMove) {
    const auto form = Shown();
    const QLabel* close = Label(*form, "closeLabel");
    EXPECT_EQ(close->text(), QStringLiteral("×"));
    EXPECT_EQ(close->x(), form->width() - close->width() - Twips(*form, 20));
    EXPECT_EQ(close->y(), Twips(*form, 20));
    EXPECT_FALSE(close->isVisible());
    // The pointer comes in from elsewhere on the screen: Qt passes on no move to the point where
    // the pointer already is, which an earlier test may have left it at.
    QWindow elsewhere;
    elsewhere.setGeometry(0, 0, 10, 10);
    elsewhere.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&elsewhere));
    QTest::mouseMove(&elsewhere, QPoint(5, 5));
    EXPECT_FALSE(close->isVisible());
    QTest::mouseMove(form->windowHandle(), QPoint(20, 20));
    EXPECT_TRUE(close->isVisible());
}

TEST_F(Form1WindowTest, HeightFollowsTheLinesOfBothListsAndWidthStays) {
    struct Case {
        const char* what;
        std::initializer_list<std::u16string_view> activities;
        int nowLines;
        int soonLines;
    };
    const Case cases[] = {
        {"one line each", {}, 1, 1},
        {"three open now", {u"甲=11:38|每日", u"乙=11:36,11:39|每日"}, 4, 1},
        {"two soon, one now", {u"甲=11:50,12:00|每日", u"乙=11:39|每日"}, 2, 3},
    };
    for (const Case& c : cases) {
        const auto form = Shown(c.activities);
        const int width = TwipsToPixels(kInitialWidthTwips, form->logicalDpiX());
        const QLabel* current = Label(*form, "currentLabel");
        const QLabel* upcoming = Label(*form, "upcomingLabel");
        const int hA = TextHeight(current, c.nowLines);
        const int hB = TextHeight(upcoming, c.soonLines);
        EXPECT_EQ(current->text().count('\n') + 1, c.nowLines) << c.what;
        EXPECT_EQ(current->geometry(), QRect(0, Twips(*form, 500), width, hA)) << c.what;
        EXPECT_EQ(upcoming->geometry(),
                  QRect(0, current->geometry().bottom() + 1 + Twips(*form, 100), width, hB))
            << c.what;
        EXPECT_EQ(form->height(), Twips(*form, 900) + hA + hB) << c.what;
        EXPECT_EQ(form->width(), width) << c.what;
    }
}

TEST_F(Form1WindowTest, AListHoldsEveryMatchAndTheWindowGrows) {
    std::u16string times;
    for (int i = 0; i < 150; ++i)
        times += i == 0 ? u"11:38" : u",11:38";
    const std::u16string activity = u"早读=" + times + u"|每日";
    const auto form = Shown({activity});
    const QLabel* current = Label(*form, "currentLabel");
    const QStringList lines = current->text().split('\n');
    ASSERT_EQ(lines.size(), 151);
    EXPECT_EQ(lines.last(), QStringLiteral("150. 早读 11:38-11:43"));
    EXPECT_EQ(current->height(), TextHeight(current, 151));
    EXPECT_EQ(form->height(),
              Twips(*form, 900) + current->height() + TextHeight(Label(*form, "upcomingLabel"), 1));
}

TEST_F(Form1WindowTest, DraggingMovesTheWindowByExactlyThePointersMovement) {
    struct Case {
        const char* where;
        QPoint press;  // in window coordinates
    };
    const auto probe = Shown({u"甲=11:38|每日"});
    const QRect current = Label(*probe, "currentLabel")->geometry();
    const QRect upcoming = Label(*probe, "upcomingLabel")->geometry();
    const Case cases[] = {
        {"bare band", QPoint(40, 10)},
        {"between the lists", QPoint(40, current.bottom() + 2)},
        {"bottom margin", QPoint(40, upcoming.bottom() + 5)},
        {"on the yellow list", QPoint(10, current.top() + 3)},
    };
    for (const Case& c : cases) {
        const auto form = Shown({u"甲=11:38|每日"});
        QWindow* window = form->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, c.press);
        QTest::mouseMove(window, c.press + QPoint(30, 25));
        EXPECT_EQ(form->pos(), QPoint(230, 175)) << c.where;
        QTest::mouseMove(window, c.press + QPoint(-10, 5));
        EXPECT_EQ(form->pos(), QPoint(220, 180)) << c.where;
        // The window follows the pointer, so the pointer is over the grabbed point at the release.
        QTest::mouseRelease(window, Qt::LeftButton, {}, c.press);
        QTest::mouseMove(window, c.press + QPoint(6, -4));
        EXPECT_EQ(form->pos(), QPoint(220, 180)) << c.where << ": no button, no move";
        EXPECT_TRUE(Label(*form, "closeLabel")->isVisible()) << c.where;
        EXPECT_EQ(editorOpenings, 0) << c.where << ": a drag never opens the editor";
    }
}

TEST_F(Form1WindowTest, AnyButtonDragsButOnlyALeftClickOpensTheEditor) {
    const auto form = Shown();
    QWindow* window = form->windowHandle();
    QTest::mousePress(window, Qt::RightButton, {}, QPoint(40, 10));
    QTest::mouseMove(window, QPoint(60, 10));
    QTest::mouseRelease(window, Qt::RightButton, {}, QPoint(40, 10));
    EXPECT_EQ(form->pos(), QPoint(220, 150));
    EXPECT_EQ(editorOpenings, 0);

    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(editorOpenings, 1);
}

TEST_F(Form1WindowTest, APressAndReleaseWithinTheDragDistanceIsAClick) {
    const auto form = Shown();
    QWindow* window = form->windowHandle();
    const int within = QApplication::startDragDistance() - 1;
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(window, QPoint(40 + within, 10));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(editorOpenings, 1);

    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(window, QPoint(40 + within + 1, 10));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(editorOpenings, 1);
}

TEST_F(Form1WindowTest, ClickOnTheCloseLabelClosesTheWindow) {
    const auto form = Shown();
    QLabel* close = Label(*form, "closeLabel");
    QWindow* window = form->windowHandle();
    const QPoint onClose = close->geometry().center();
    QTest::mouseMove(window, onClose);
    ASSERT_TRUE(close->isVisible());
    QTest::mouseClick(window, Qt::LeftButton, {}, onClose);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(editorOpenings, 0);
    EXPECT_EQ(form->pos(), QPoint(200, 150));
}

TEST_F(Form1WindowTest, TimerTicksEvaluateWithTheInjectedClock) {
    const auto form = Shown({u"甲=12:00|每日"});
    EXPECT_EQ(Text(*form, "upcomingLabel"), QStringLiteral("*30分钟内开启*\n1. 甲 12:00开启"));
    now = MondayAt(12, 2);
    QTest::qWait(10);
    EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("当前可参与：无")) << "not before a tick";
    RefreshTimer(*form)->setInterval(1);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Text(*form, "currentLabel") == "*当前可参与*\n1. 甲 12:00-12:05"; }));
    EXPECT_EQ(Text(*form, "upcomingLabel"), QStringLiteral("30分钟内开启：无"));
}

TEST_F(Form1WindowTest, TheTimerKeepsTickingWhileTheEditorIsOpen) {
    const auto form = Shown({u"甲=12:00|每日"});
    bool updatedWhileOpen = false;
    onEditorOpened = [&] {
        QDialog editor(form.get());
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (Text(*form, "currentLabel") == "*当前可参与*\n1. 甲 12:00-12:05") {
                updatedWhileOpen = true;
                editor.accept();
            }
        });
        poll.start(1);
        QTimer::singleShot(5000, &editor, &QDialog::reject);
        now = MondayAt(12, 2);
        RefreshTimer(*form)->setInterval(1);
        editor.exec();
    };
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(editorOpenings, 1);
    EXPECT_TRUE(updatedWhileOpen);
}

}  // namespace
