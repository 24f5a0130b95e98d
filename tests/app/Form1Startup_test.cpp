#include <QCoreApplication>

#include "tests/app/StatusWindowFixture.h"

namespace {

using Form1StartupTest = StatusWindowTest;

const QString kNothingNow = QStringLiteral("当前可参与：无");
const QString kNothingSoon = QStringLiteral("30分钟内开启：无");

TEST_F(Form1StartupTest, MissingFileIsWrittenFirstAndTheDefaultScheduleShows) {
    ASSERT_FALSE(std::filesystem::exists(Ini()));
    const auto form = Open();
    EXPECT_TRUE(std::filesystem::is_regular_file(Ini()));
    EXPECT_EQ(Text(*form, "currentLabel"), kNothingNow);
    EXPECT_EQ(Text(*form, "upcomingLabel"),
              QStringLiteral("*30分钟内开启*\n1. 红包刷新时间 12:00开启\n2. 就餐时间 12:00-12:30"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(Form1StartupTest, DefaultScheduleAtMiddayOnMondayAndSaturday) {
    struct Case {
        LocalTime moment;
        QString now;
    };
    using namespace std::chrono;
    LocalTime saturday = MondayAt(12, 3);
    saturday.date = year_month_day{year{2024}, month{1}, day{6}};
    const Case cases[] = {
        {MondayAt(12, 3), "*当前可参与*\n1. 红包刷新时间 12:00-12:05\n2. 就餐时间 12:00-12:30"},
        {saturday, "*当前可参与*\n1. 红包刷新时间 12:00-12:05"},
    };
    for (const Case& c : cases) {
        now = c.moment;
        const auto form = Open();
        EXPECT_EQ(Text(*form, "currentLabel"), c.now);
        EXPECT_EQ(Text(*form, "upcomingLabel"), kNothingSoon);
    }
}

TEST_F(Form1StartupTest, UnwritableFolderStillOpensTheWindowAndSaysSoOnce) {
    // A file where the folder should be: the default file cannot be written, even by root.
    std::ofstream(Folder() / "not-a-folder") << "x";
    const std::filesystem::path ini = Folder() / "not-a-folder" / "GM.ini";
    const auto form = Open(ini);

    EXPECT_EQ(Text(*form, "currentLabel"), kNothingNow);
    EXPECT_EQ(Text(*form, "upcomingLabel"), kNothingSoon);
    EXPECT_TRUE(RefreshTimer(*form)->isActive());
    EXPECT_TRUE(dialogs.shown.empty()) << "the message waits for the event loop";
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogs::Shown::Kind::Information);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("无法创建日程文件")));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QString::fromStdU16String(ini.u16string())));
}

TEST_F(Form1StartupTest, MalformedActivitiesAreReportedAndTheRestShows) {
    WriteIni({u"[固定时间任务日程]", u"无竖线=11:45", u"早会=1150,11:55|每日",
              u"[范围时间任务日程]", u"午餐=11:30-12:30|每日", u"[持续时间设置]", u"持续时间=5"});
    const auto form = Open();

    EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("*当前可参与*\n1. 午餐 11:30-12:30"));
    EXPECT_EQ(Text(*form, "upcomingLabel"), QStringLiteral("*30分钟内开启*\n1. 早会 11:55开启"));
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const QString& message = dialogs.shown[0].text;
    EXPECT_TRUE(message.contains(QStringLiteral("[固定时间任务日程] 任务“无竖线”缺少“|”")));
    EXPECT_TRUE(message.contains(QStringLiteral("任务“早会”中有时间无法识别：“1150”")));
}

TEST_F(Form1StartupTest, BadDurationFallsBackToFiveMinutes) {
    for (const std::u16string_view duration :
         {u"持续时间=abc", u"持续时间=", u"持续时间=99999", u"持续时间=-5"}) {
        dialogs.shown.clear();
        // Open now from 11:35 to 11:40 with five minutes; not at all with zero.
        WriteIni({u"[固定时间任务日程]", u"签到=11:35|每日", u"[持续时间设置]", duration});
        const auto form = Open();
        EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("*当前可参与*\n1. 签到 11:35-11:40"));
        QCoreApplication::processEvents();
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("暂按 5 分钟计算")));
    }
}

TEST_F(Form1StartupTest, MissingDurationKeyIsReported) {
    WriteIni({u"[固定时间任务日程]", u"签到=11:35|每日"});
    const auto form = Open();
    EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("*当前可参与*\n1. 签到 11:35-11:40"));
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("缺少“持续时间”")));
}

TEST_F(Form1StartupTest, ReloadReportsOnlyProblemsThatChanged) {
    WriteIni({u"[固定时间任务日程]", u"坏=8|每日", u"[持续时间设置]", u"持续时间=5"});
    const auto form = Open();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);

    form->刷新任务();
    RefreshTimer(*form)->setInterval(1);
    QTest::qWait(20);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "same problems, timer ticks: nothing new";

    WriteIni({u"[固定时间任务日程]", u"坏=8|每日", u"也坏=11:50,x|每日", u"[持续时间设置]",
              u"持续时间=5"});
    form->刷新任务();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("任务“也坏”")));
    EXPECT_EQ(Text(*form, "upcomingLabel"), QStringLiteral("*30分钟内开启*\n1. 也坏 11:50开启"));

    WriteIni({u"[固定时间任务日程]", u"好=11:50|每日", u"[持续时间设置]", u"持续时间=5"});
    form->刷新任务();
    EXPECT_EQ(dialogs.shown.size(), 2u) << "nothing wrong any more: nothing to say";
    EXPECT_EQ(Text(*form, "upcomingLabel"), QStringLiteral("*30分钟内开启*\n1. 好 11:50开启"));
}

TEST_F(Form1StartupTest, ReloadKeepsTheDurationReadAtStartUp) {
    WriteIni({u"[固定时间任务日程]", u"签到=11:30|每日", u"[持续时间设置]", u"持续时间=10"});
    const auto form = Open();
    EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("*当前可参与*\n1. 签到 11:30-11:40"));
    WriteIni({u"[固定时间任务日程]", u"签到=11:30|每日", u"[持续时间设置]", u"持续时间=3"});
    form->刷新任务();
    EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("*当前可参与*\n1. 签到 11:30-11:40"));
}

}  // namespace
