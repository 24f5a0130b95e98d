// The status window's menu and what it turns on: warnings ahead, their sound, the calendar, start
// at login; and the place the window is dragged to. Notifications and their service, and the
// calendar file following the schedule: the controller's test.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>

#include "platform/Files.h"
#include "platform/Session.h"
#include "tests/app/StatusWindowFixture.h"
#include "text/Utf8Text.h"
#include "ui/QtText.h"

namespace {

const QStringList kItemsAllOff = {
    "打开任务编辑器", "[ ] 活动开启时通知", "提前提醒",       "[ ] 提醒声音",
    "导出到日历…",    "日历文件",           "[ ] 登录时启动", "退出"};

class Form1MenuTest : public StatusWindowTest {
  protected:
    // A window shown on GM.ini holding the duration and these lines.
    std::unique_ptr<Form1> Shown(const std::vector<std::u16string_view>& lines) {
        std::vector<std::u16string_view> all = {u"[持续时间设置]", u"持续时间=5"};
        all.insert(all.end(), lines.begin(), lines.end());
        WriteIni(all);
        auto form = Open();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return form;
    }

    // Runs open, which is to show the menu, and while the menu shows notes its items ("[x] " or
    // "[ ] " before a tickable one), then chooses the item named choice and closes the menu. The
    // items noted; none when no menu showed.
    static QStringList UseMenu(const std::function<void()>& open, const QString& choice = {}) {
        QStringList items;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                return;
            poll.stop();
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                const QString tick = action->isChecked() ? "[x] " : "[ ] ";
                items << (action->isCheckable() ? tick : QString()) + action->text();
                if (action->text() == choice)
                    chosen = action;
            }
            menu->close();
            if (chosen != nullptr)
                chosen->trigger();
        });
        poll.start(10);
        open();
        QCoreApplication::processEvents();  // what the chosen item runs once the menu is closed
        return items;
    }
    static QStringList UseMenu(Form1& form, const QString& choice = {}) {
        return UseMenu([&] { QTest::keyClick(&form, Qt::Key_Menu); }, choice);
    }

    // GM.ini as UTF-8, for messages and comparisons.
    std::string Utf8Ini() const {
        const std::u16string text = DecodeCp936(ReadFileBytes(Ini()).value);
        return QString::fromStdU16String(text).toStdString();
    }
};

TEST_F(Form1MenuTest, OpensFromTheMouseTheKeyboardAndScreenReadersButNeverOpensTheEditor) {
    const auto form = Shown({u"[固定时间任务日程]"});
    EXPECT_EQ(form->findChild<QMenu*>(), nullptr) << "built when first opened";
    QWindow* window = form->windowHandle();
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"right click", [&] { QTest::mouseClick(window, Qt::RightButton, {}, QPoint(40, 10)); }},
        {"Menu key", [&] { QTest::keyClick(form.get(), Qt::Key_Menu); }},
        {"Shift+F10", [&] { QTest::keyClick(form.get(), Qt::Key_F10, Qt::ShiftModifier); }},
        {"screen reader",
         [&] {
             QAccessible::queryAccessibleInterface(form.get())
                 ->actionInterface()
                 ->doAction(QAccessibleActionInterface::showMenuAction());
             QCoreApplication::processEvents();
         }},
    };
    for (const auto& [way, open] : ways) {
        EXPECT_EQ(UseMenu(open), kItemsAllOff) << way;
    }
    EXPECT_EQ(editorOpenings, 0);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(Form1MenuTest, ItsEditorItemOpensTheEditorAndQuitClosesTheWindow) {
    const auto form = Shown({u"[固定时间任务日程]"});
    UseMenu(*form, "打开任务编辑器");
    EXPECT_EQ(editorOpenings, 1);
    UseMenu(*form, "退出");
    EXPECT_FALSE(form->isVisible());
}

// The submenu of warnings ahead ticks the choice that equals the stored list, and none for another
// list; a choice that cannot be saved leaves the tick where it was. The sound is ticked likewise.
TEST_F(Form1MenuTest, WarningsAheadAndTheirSoundAreKeptInTheFile) {
    const auto form = Shown({u"[程序设置]", u"活动开启时通知=1", u"提前提醒=10,5"});
    const auto warnings = [&] { return form->findChild<QMenu*>(QStringLiteral("warningMenu")); };
    const auto ticked = [&] {
        UseMenu(*form);  // the ticks are brought up to date as the menu opens
        QStringList texts;
        for (QAction* choice : warnings()->actions()) {
            if (choice->isChecked())
                texts << choice->text();
        }
        return texts;
    };
    const auto choose = [&](const QString& text) {
        for (QAction* choice : warnings()->actions()) {
            if (choice->text() == text)
                choice->trigger();
        }
    };
    EXPECT_EQ(ticked(), QStringList{});
    choose("10 分钟");
    EXPECT_EQ(ticked(), QStringList{"10 分钟"});
    EXPECT_NE(Utf8Ini().find("提前提醒=10\r\n"), std::string::npos) << Utf8Ini();
    UseMenu(*form, "提醒声音");
    EXPECT_EQ(UseMenu(*form).value(3), "[x] 提醒声音");
    EXPECT_NE(Utf8Ini().find("提醒声音=1\r\n"), std::string::npos) << Utf8Ini();
    EXPECT_TRUE(dialogs.shown.empty());

    // GM.ini cannot be replaced once a folder stands in its place.
    std::filesystem::remove(Ini());
    std::filesystem::create_directory(Ini());
    choose("不提醒");
    EXPECT_EQ(ticked(), QStringList{"10 分钟"});
    UseMenu(*form, "提醒声音");
    EXPECT_EQ(UseMenu(*form).value(3), "[x] 提醒声音");
    ASSERT_EQ(dialogs.texts().size(), 2);
    EXPECT_TRUE(dialogs.texts()[0].startsWith("无法保存提前提醒设置："))
        << dialogs.texts()[0].toStdString();
    EXPECT_TRUE(dialogs.texts()[1].startsWith("无法保存提醒声音设置："))
        << dialogs.texts()[1].toStdString();
}

TEST_F(Form1MenuTest, StartAtLoginTickShowsTheSystemsEntry) {
    const auto form = Shown({u"[固定时间任务日程]"});
    UseMenu(*form, "登录时启动");
    EXPECT_TRUE(StartsAtLogin(Executable())) << dialogs.texts().join('\n').toStdString();
    EXPECT_EQ(UseMenu(*form).value(6), "[x] 登录时启动");
    ASSERT_FALSE(SetStartAtLogin(Executable(), false)) << "removed behind the program's back";
    EXPECT_EQ(UseMenu(*form).value(6), "[ ] 登录时启动");
    UseMenu(*form, "登录时启动");
    UseMenu(*form, "登录时启动");
    EXPECT_FALSE(StartsAtLogin(Executable()));
    EXPECT_TRUE(dialogs.shown.empty());
}

// "导出到日历…" writes the calendar to the file chosen, nothing when the dialog is cancelled, and
// tells a file that cannot be written.
TEST_F(Form1MenuTest, ExportsTheCalendarToTheFileChosen) {
    const auto form = Shown({u"[固定时间任务日程]", u"早会=11:50|每日"});
    const std::filesystem::path chosen = Folder() / u"日程.ics";
    const std::filesystem::path unwritable = Folder() / u"无此文件夹" / u"日程.ics";
    struct Case {
        const char* what;
        QString answer;  // of the file dialog; empty: cancelled
        bool written;
        QString told;  // the start of the message; empty: none
    };
    const Case cases[] = {
        {"chosen", ToQString(chosen.u16string()), true, {}},
        {"cancelled", {}, false, {}},
        {"a folder that is not there", ToQString(unwritable.u16string()), false,
         "无法导出日历：" + ToQString(unwritable.u16string()) + "："},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(chosen);
        dialogs.shown.clear();
        dialogs.files = {c.answer};
        UseMenu(*form, "导出到日历…");
        ASSERT_FALSE(dialogs.shown.empty()) << c.what;
        EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogs::Shown::Kind::SaveFile) << c.what;
        EXPECT_EQ(ReadFileBytes(chosen).value.starts_with("BEGIN:VCALENDAR\r\n"), c.written)
            << c.what;
        const QStringList told = dialogs.texts().mid(1);
        EXPECT_EQ(told.size(), c.told.isEmpty() ? 0 : 1) << c.what;
        EXPECT_TRUE(told.value(0).startsWith(c.told)) << c.what << told.join('\n').toStdString();
    }
}

// The submenu "日历文件" keeps the file chosen in GM.ini, shows it, and turns it off.
TEST_F(Form1MenuTest, TheCalendarFileIsChosenAndTurnedOffInItsSubmenu) {
    const auto form = Shown({u"[固定时间任务日程]", u"早会=11:50|每日"});
    const std::filesystem::path kept = Folder() / u"日程.ics";
    const auto items = [&] {
        UseMenu(*form);  // the ticks are brought up to date as the menu opens
        QStringList texts;
        for (QAction* item : form->findChild<QMenu*>(QStringLiteral("calendarMenu"))->actions()) {
            if (item->isVisible())
                texts << (item->isChecked() ? "[x] " : "") + item->text();
        }
        return texts;
    };
    const auto choose = [&](const QString& text) {
        for (QAction* item : form->findChild<QMenu*>(QStringLiteral("calendarMenu"))->actions()) {
            if (item->text() == text)
                item->trigger();
        }
    };
    EXPECT_EQ(items(), (QStringList{"选择文件…", "[x] 不保存日历文件"}));
    dialogs.files = {ToQString(kept.u16string())};
    choose("选择文件…");
    EXPECT_TRUE(ReadFileBytes(kept).value.starts_with("BEGIN:VCALENDAR\r\n"));
    EXPECT_NE(Utf8Ini().find("日历文件=" + EncodeUtf8(kept.u16string()) + "\r\n"),
              std::string::npos)
        << Utf8Ini();
    EXPECT_EQ(items(), (QStringList{"保存到 " + ToQString(kept.u16string()), "选择文件…",
                                    "不保存日历文件"}));
    choose("不保存日历文件");
    EXPECT_EQ(Utf8Ini().find("日历文件="), std::string::npos) << Utf8Ini();
    EXPECT_EQ(items(), (QStringList{"选择文件…", "[x] 不保存日历文件"}));
    EXPECT_EQ(dialogs.texts(), QStringList{"日历文件"});
}

TEST_F(Form1MenuTest, TheWindowComesBackWhereItWasDraggedWhenEnoughOfItShows) {
    const auto dragged = Shown({u"[固定时间任务日程]"});
    const QPoint start = dragged->pos();
    QWindow* window = dragged->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(window, QPoint(10, 30));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(40, 10));
    const QPoint there = start + QPoint(-30, 20);
    ASSERT_EQ(dragged->pos(), there);
    EXPECT_EQ(editorOpenings, 0);
    EXPECT_NE(Utf8Ini().find("[程序设置]\r\n窗口位置=" + std::to_string(there.x()) + "," +
                             std::to_string(there.y()) + "\r\n"),
              std::string::npos)
        << Utf8Ini();
    EXPECT_EQ(Open()->pos(), there);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize size = dragged->size();
    const QPoint quarterShows = screen.bottomRight() - QPoint(size.width() / 2, size.height() / 2);
    const QPoint lessShows = quarterShows + QPoint(2, 2);
    const auto stored = [](QPoint p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); };
    struct Case {
        const char* what;
        QString stored;
        QPoint expected;
    };
    const Case cases[] = {
        {"a quarter shows", stored(quarterShows), quarterShows},
        {"less than a quarter shows", stored(lessShows), start},
        {"far off every screen", "-20000,5000", start},
        {"unreadable", "10;20", start},
    };
    for (const Case& c : cases) {
        WriteIni({u"[程序设置]", (u"窗口位置=" + c.stored.toStdU16String())});
        EXPECT_EQ(Open()->pos(), c.expected) << c.what;
    }
}

}  // namespace
