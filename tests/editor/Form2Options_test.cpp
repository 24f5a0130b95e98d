#include <QComboBox>
#include <QDateEdit>
#include <QSpinBox>

#include <functional>
#include <utility>
#include <vector>

#include "tests/editor/EditorFixture.h"

namespace {

const std::u16string kGuildWar =
    u"[范围时间任务日程]\r\n公会战=20:00-21:00|星期六|时区=Asia/Shanghai;提前=10;未知=1\r\n"
    u"[固定时间任务日程]\r\n签到=08:00|每日\r\n";

class OptionsTest : public EditorTest {
  protected:
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    QDateEdit* Date(const char* name) const { return Find<QDateEdit>(name); }

    void Retype(QComboBox* list, const QString& text) {
        list->lineEdit()->clear();
        QTest::keyClicks(list->lineEdit(), text);
    }

    // The 更多选项 as after 清空重填 or after loading an activity without options.
    void ExpectDefaults() const {
        EXPECT_EQ(Combo("zoneBox")->currentText(), QStringLiteral("默认"));
        EXPECT_EQ(Combo("leadsBox")->currentText(), QStringLiteral("同提前提醒"));
        for (const char* check :
             {"firstDayCheck", "lastDayCheck", "everyDaysCheck", "monthDaysCheck"})
            EXPECT_FALSE(Check(check)->isChecked()) << check;
        for (const char* box : {"firstDayBox", "lastDayBox", "everyDaysBox", "monthDaysBox"})
            EXPECT_FALSE(Find<QWidget>(box)->isEnabled()) << box;
        EXPECT_TRUE(Check("notifyCheck")->isChecked());
    }
};

TEST_F(OptionsTest, StartClosedAndOpenBelowTheOtherControlsWithoutMovingThem) {
    WriteDefaultFile();
    Open();
    EXPECT_FALSE(Combo("zoneBox")->isVisible());
    ExpectDefaults();
    const QSize closed = form->size();
    std::vector<std::pair<QWidget*, QRect>> places;
    for (QWidget* control : form->findChildren<QWidget*>()) {
        if (control->isVisible())
            places.emplace_back(control, control->geometry());
    }

    Press("moreOptionsToggle");
    EXPECT_TRUE(Combo("zoneBox")->isVisible());
    EXPECT_GT(form->height(), closed.height());
    for (const auto& [control, place] : places)
        EXPECT_EQ(control->geometry(), place) << control->objectName();
    EXPECT_GT(Combo("zoneBox")->mapTo(form.get(), QPoint{}).y(),
              Find<QWidget>("deleteRangeButton")->geometry().bottom());
    EXPECT_EQ(Combo("zoneBox")->count(), 17);

    Press("moreOptionsToggle");
    EXPECT_FALSE(Combo("zoneBox")->isVisible());
    EXPECT_EQ(form->size(), closed);
}

TEST_F(OptionsTest, LoadedOptionsAreShownAndWrittenBackWithTheUnknownOnes) {
    WriteText(kGuildWar);
    const std::string before = Bytes();
    Open();
    DoubleClickRow("rangeTaskList", 0);
    EXPECT_TRUE(Combo("zoneBox")->isVisible()) << "opened by the options shown";
    EXPECT_EQ(Combo("zoneBox")->currentText(), QStringLiteral("Asia/Shanghai"));
    EXPECT_EQ(Combo("leadsBox")->currentText(), QStringLiteral("10"));
    EXPECT_FALSE(Check("firstDayCheck")->isChecked());
    EXPECT_FALSE(Check("everyDaysCheck")->isChecked());
    EXPECT_TRUE(Check("notifyCheck")->isChecked());
    Press("saveButton");
    EXPECT_EQ(dialogs.texts(), QStringList{"保存成功！"});
    EXPECT_EQ(Bytes(), before) << "saved unchanged";
    ExpectDefaults();

    DoubleClickRow("rangeTaskList", 0);
    Tick("firstDayCheck");
    Date("firstDayBox")->setDate(QDate(2026, 12, 1));
    Tick("everyDaysCheck");
    Find<QSpinBox>("everyDaysBox")->setValue(3);
    Retype(Combo("zoneBox"), "UTC+8");
    Tick("notifyCheck");
    Press("saveButton");
    EXPECT_EQ(
        KeyLines(kRangeSectionName),
        QStringList{"公会战=20:00-21:00|星期六|时区=UTC+8;起=2026-12-01;每隔=3;提前=10;通知=0;"
                    "未知=1"});

    DoubleClickRow("rangeTaskList", 0);
    DoubleClickRow("fixedTaskList", 0);
    ExpectDefaults();
    const std::string withOptions = Bytes();
    Press("saveButton");
    EXPECT_EQ(Bytes(), withOptions) << "an activity without options is written as before";
}

struct OptionsRefusal {
    const char* what;
    std::function<void()> enter;
    QString message;
    const char* focus;
};

TEST_F(OptionsTest, RefusedOptionsAreToldAndNothingIsSaved) {
    const OptionsRefusal cases[] = {
        {"no such zone", [this] { Retype(Combo("zoneBox"), "Mars/Base"); },
         "时区不存在，请输入如 Asia/Shanghai 或 UTC+8 的时区！", "zoneBox"},
        {"last day before first",
         [this] {
             Tick("firstDayCheck");
             Date("firstDayBox")->setDate(QDate(2026, 12, 2));
             Tick("lastDayCheck");
             Date("lastDayBox")->setDate(QDate(2026, 12, 1));
         },
         "结束日期不能早于开始日期！", "lastDayBox"},
        {"month day 32",
         [this] {
             Tick("monthDaysCheck");
             Type("monthDaysBox", "1,32");
         },
         "每月日期须为 1 至 31 的数字，以逗号分隔！", "monthDaysBox"},
    };
    WriteText(kGuildWar);
    const std::string before = Bytes();
    for (const OptionsRefusal& c : cases) {
        dialogs.shown.clear();
        Open();
        DoubleClickRow("rangeTaskList", 0);
        c.enter();
        Press("saveButton");
        EXPECT_EQ(dialogs.texts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(dialogs.shown.front().kind, RecordingDialogs::Shown::Kind::Information) << c.what;
        EXPECT_TRUE(Find<QWidget>(c.focus)->isAncestorOf(QApplication::focusWidget()) ||
                    QApplication::focusWidget() == Find<QWidget>(c.focus))
            << c.what;
        EXPECT_EQ(Bytes(), before) << c.what;
        form.reset();
    }
}

}  // namespace
