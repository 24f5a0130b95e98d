#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "desktop/QtTimeZones.h"
#include "editor/Form2.h"
#include "store/DefaultIni.h"
#include "store/ScheduleFileLayout.h"
#include "store/ScheduleStore.h"
#include "tests/support/RecordingDialogs.h"
#include "tests/support/TestFile.h"
#include "text/Cp936.h"

// Readable texts in test failure messages.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(" | ")) << '}';
}

// The two activity sections and, as the task lists show them, the activities of the default file.
inline const QString kFixedSectionName = QStringLiteral("固定时间任务日程");
inline const QString kRangeSectionName = QStringLiteral("范围时间任务日程");
inline const QString kDefaultFixedLine =
    QStringLiteral("红包刷新时间=00:00,08:00,12:00,16:00,20:00,22:00|每日");
inline const QString kDefaultRangeLine = QStringLiteral(
    "就餐时间=06:00-06:30,12:00-12:30,18:00-18:30|星期一,星期二,星期三,星期四,星期五");

// An editor on a GM.ini of its own in a temporary folder, driven through mouse and keyboard.
class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ini = std::filesystem::path(folder.path().toStdU16String()) / "GM.ini";
    }

    void TearDown() override {
        form.reset();
        namespace fs = std::filesystem;
        std::error_code ignored;
        fs::permissions(ini.parent_path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                        ignored);
    }

    void WriteDefaultFile() { ASSERT_FALSE(WriteDefaultIni(ini, LocalTime{})); }

    // Writes the text in code page 936, as the program stores it.
    void WriteText(std::u16string_view text) { WriteTestFile(ini, EncodeCp936(text)); }

    std::string Bytes() const {
        std::ifstream in(ini, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    std::u16string Text() const { return DecodeCp936(Bytes()); }

    // The key lines of a section of the file, in file order.
    QStringList KeyLines(const QString& section) const {
        QStringList lines;
        bool inside = false;
        for (const QString& line :
             QString::fromStdU16String(Text()).split(QStringLiteral("\r\n"))) {
            if (line.startsWith(u'[')) {
                inside = line == u'[' + section + u']';
            } else if (inside && !line.isEmpty() && !line.startsWith(u';')) {
                lines << line;
            }
        }
        return lines;
    }

    void Open() {
        schedule = std::make_unique<ScheduleStore>(IniLocation{ini}, [] { return LocalTime{}; });
        schedule->Listen(told);
        form = std::make_unique<Form2>(dialogs, *schedule, zones, [this] { ++statusRefreshes; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename Control>
    Control* Find(const QString& name) const {
        auto* control = form->findChild<Control*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }

    QLineEdit* Box(const QString& name) const { return Find<QLineEdit>(name); }
    QListWidget* List(const QString& name) const { return Find<QListWidget>(name); }
    QCheckBox* Check(const QString& name) const { return Find<QCheckBox>(name); }
    QCheckBox* Weekday(int index) const {
        return Check(QStringLiteral("weekdayChecks%1").arg(index));
    }
    QRadioButton* Option(const QString& name) const { return Find<QRadioButton>(name); }

    // Types the text as a user would: ASCII on the keyboard, the rest (Chinese, ideographic
    // spaces, emoji) committed by the input method, one character at a time.
    void Type(const QString& box, const QString& text) {
        QLineEdit* edit = Box(box);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].unicode() < 0x80) {
                QTest::keyClicks(edit, text.mid(i, 1));
                continue;
            }
            const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
            QInputMethodEvent commit;
            commit.setCommitString(text.mid(i, length));
            QApplication::sendEvent(edit, &commit);
            i += length - 1;
        }
    }

    void Press(const QString& button) {
        QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton);
    }

    // Clicks on the box or circle of a check box or option button, where a user aims.
    void Tick(QAbstractButton* button) {
        QStyleOptionButton option;
        option.initFrom(button);
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        const QRect indicator = button->style()->subElementRect(
            radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
            button);
        QTest::mouseClick(button, Qt::LeftButton, {}, indicator.center());
    }
    void Tick(const QString& name) { Tick(Find<QAbstractButton>(name)); }

    void SelectRow(const QString& list, int row) {
        QListWidget* widget = List(list);
        const QRect place = widget->visualItemRect(widget->item(row));
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, place.center());
    }

    // Through the window, so that the second press becomes a double-click as a user's would.
    void DoubleClickRow(const QString& list, int row) {
        QListWidget* widget = List(list);
        // The middle of the part of the line that shows: a long line runs past the list's edge.
        const QPoint place = widget->visualItemRect(widget->item(row))
                                 .intersected(widget->viewport()->rect())
                                 .center();
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {},
                           widget->viewport()->mapTo(form.get(), place));
    }

    static QStringList Lines(const QListWidget* list) {
        QStringList lines;
        for (int row = 0; row < list->count(); ++row)
            lines << list->item(row)->text();
        return lines;
    }
    QStringList Lines(const QString& list) const { return Lines(List(list)); }

    // Adds one time entry through the boxes and the add-time button.
    void AddTime(const QString& hour, const QString& minute = {}, const QString& endHour = {},
                 const QString& endMinute = {}) {
        Type(QStringLiteral("startHourBox"), hour);
        Type(QStringLiteral("startMinuteBox"), minute);
        Type(QStringLiteral("endHourBox"), endHour);
        Type(QStringLiteral("endMinuteBox"), endMinute);
        Press(QStringLiteral("addTimeButton"));
    }

    // Every entry control as after 清空重填.
    void ExpectEntryControlsReset() const {
        for (const char* box : {"taskNameBox", "startHourBox", "startMinuteBox", "endHourBox",
                                "endMinuteBox", "durationBox"}) {
            EXPECT_TRUE(Box(box)->text().isEmpty()) << box;
        }
        EXPECT_TRUE(Lines(QStringLiteral("pendingTimeList")).isEmpty());
        EXPECT_FALSE(Check(QStringLiteral("dailyCheck"))->isChecked());
        for (int day = 1; day <= 7; ++day) {
            EXPECT_FALSE(Weekday(day)->isChecked()) << day;
            EXPECT_TRUE(Weekday(day)->isEnabled()) << day;
        }
        EXPECT_TRUE(Option(QStringLiteral("fixedKindOption"))->isChecked());
        EXPECT_TRUE(Option(QStringLiteral("sameDayOption"))->isChecked());
        EXPECT_FALSE(Box(QStringLiteral("endHourBox"))->isEnabled());
        EXPECT_TRUE(Box(QStringLiteral("durationBox"))->isEnabled());
    }

    QString IniPathText() const { return QString::fromStdU16String(ini.u16string()); }

    QTemporaryDir folder;
    std::filesystem::path ini;
    RecordingDialogs dialogs;
    QtTimeZones zones;
    // The changes the store told, in order.
    struct Changes : ScheduleListener {
        void ScheduleChanged(ScheduleChange change) override { changes.push_back(change); }
        std::vector<ScheduleChange> changes;
    } told;
    // How often the editor asked the status window to reload.
    int statusRefreshes = 0;
    std::unique_ptr<ScheduleStore> schedule;
    std::unique_ptr<Form2> form;
};
