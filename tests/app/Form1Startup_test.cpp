#include <QCoreApplication>

#include "tests/app/StatusWindowFixture.h"

namespace {

using Form1StartupTest = StatusWindowTest;

TEST_F(Form1StartupTest, UnwritableFolderStillOpensTheWindowAndSaysSoOnce) {
    // A file where the folder should be: the default file cannot be written, even by root.
    WriteTestFile(Folder() / "not-a-folder", "x");
    const std::filesystem::path ini = Folder() / "not-a-folder" / "GM.ini";
    const auto form = Open(ini);

    EXPECT_EQ(Text(*form, "currentLabel"), QStringLiteral("当前可参与：无"));
    EXPECT_EQ(Text(*form, "upcomingLabel"), QStringLiteral("30分钟内开启：无"));
    EXPECT_TRUE(RefreshTimer(*form)->isActive());
    EXPECT_TRUE(dialogs.shown.empty()) << "the message waits for the event loop";
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, RecordingDialogs::Shown::Kind::Information);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("无法创建日程文件")));
    EXPECT_TRUE(dialogs.shown[0].text.contains(QString::fromStdU16String(ini.u16string())));
}

TEST_F(Form1StartupTest, AReloadReportsNewProblemsAtOnceAndTicksRepeatNothing) {
    WriteIni({u"[固定时间任务日程]", u"坏=8|每日", u"[持续时间设置]", u"持续时间=5"});
    const auto form = Open();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);

    RefreshTimer(*form)->setInterval(1);
    QTest::qWait(20);
    EXPECT_EQ(dialogs.shown.size(), 1u) << "timer ticks: nothing new";

    WriteIni({u"[固定时间任务日程]", u"坏=8|每日", u"也坏=11:50,x|每日", u"[持续时间设置]",
              u"持续时间=5"});
    ShownController().刷新任务();
    ASSERT_EQ(dialogs.shown.size(), 2u) << "at once, not from the event loop";
    EXPECT_TRUE(dialogs.shown[1].text.contains(QStringLiteral("任务“也坏”")));
    EXPECT_EQ(Text(*form, "upcomingLabel"), QStringLiteral("*30分钟内开启*\n1. 也坏 11:50开启"));
}

}  // namespace
