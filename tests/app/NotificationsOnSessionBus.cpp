// Quillot's notifications as a desktop receives them: on a private session bus (CTest runs this
// under dbus-run-session), from a stand-in notification service that prints each Notify call.

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "app/ActivityNotifications.h"
#include "tests/app/StatusWindowFixture.h"

namespace {

using NotificationsOnSessionBus = StatusWindowTest;

TEST_F(NotificationsOnSessionBus, EachOpeningArrivesWithinTwoSecondsOfItsMinute) {
    const std::unique_ptr<ActivityNotifications> desktop = DesktopNotifications();
    EXPECT_FALSE(desktop->Start(nullptr)) << "no notification service on the bus yet";

    QProcess server;
    server.start(QStringLiteral(FAKE_NOTIFICATION_SERVER), {});
    ASSERT_TRUE(server.waitForReadyRead(10000)) << server.readAllStandardError().toStdString();
    ASSERT_EQ(server.readLine(), "ready\n");
    ASSERT_TRUE(desktop->Start(nullptr));

    WriteIni({u"[固定时间任务日程]", u"早会=11:50|每日", u"[范围时间任务日程]",
              u"午餐=11:50-12:30|每日", u"[持续时间设置]", u"持续时间=5", u"[程序设置]",
              u"活动开启时通知=1"});
    // A clock that starts at 11:49:58 and runs with the real one: the activities open 2 s on.
    QElapsedTimer elapsed;
    elapsed.start();
    const Clock clock = [&] {
        const int second = (11 * 60 + 49) * 60 + 58 + static_cast<int>(elapsed.elapsed() / 1000);
        LocalTime time = MondayAt(second / 3600, second / 60 % 60);
        time.second = second % 60;
        return time;
    };
    const ScheduleFile schedule({Ini()}, clock);
    StatusBoard board(schedule);
    board.LoadAtStartup();
    Form1 form(
        dialogs, board, clock, [] {}, *desktop, Executable());

    QStringList calls;
    std::vector<qint64> arrivals;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            while (server.canReadLine()) {
                calls << QString::fromUtf8(server.readLine()).chopped(1);
                arrivals.push_back(elapsed.elapsed());
            }
            return calls.size() >= 2;
        },
        6000));
    const QString sent =
        QStringLiteral("Quillot\torg.quillot.Quillot\t%1 已开启\t%2\torg.quillot.Quillot");
    EXPECT_EQ(calls,
              (QStringList{sent.arg("早会", "11:50-11:55"), sent.arg("午餐", "11:50-12:30")}));
    for (const qint64 arrival : arrivals) {
        EXPECT_GE(arrival, 2000) << "not before the opening";
        EXPECT_LT(arrival, 4000) << "within 2 s of it";
    }
    EXPECT_TRUE(dialogs.shown.empty());
    server.kill();
    server.waitForFinished();
}

}  // namespace
