// Quillot's notifications as a desktop receives them: on a private session bus (CTest runs this
// under dbus-run-session), from a stand-in notification service that prints each Notify call.

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "desktop/ActivityNotifications.h"
#include "tests/app/StatusWindowFixture.h"

namespace {

class NotificationsOnSessionBus : public StatusWindowTest {
  protected:
    ~NotificationsOnSessionBus() override {
        server.kill();
        server.waitForFinished();
    }

    void StartServer(const QStringList& arguments) {
        server.kill();
        server.waitForFinished();
        server.start(QStringLiteral(FAKE_NOTIFICATION_SERVER), arguments);
        ASSERT_TRUE(server.waitForReadyRead(10000)) << server.readAllStandardError().toStdString();
        ASSERT_EQ(server.readLine(), "ready\n");
    }

    // The service's answer to Start, once it has come.
    static std::optional<bool> Answer(ActivityNotifications& desktop) {
        std::optional<bool> answer;
        desktop.Start([&](bool available) { answer = available; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.has_value(); }, 10000));
        return answer;
    }

    // Waits until count more calls have arrived; each with the time it arrived at.
    void Receive(int count, const QElapsedTimer& elapsed) {
        const qsizetype wanted = calls.size() + count;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                while (server.canReadLine()) {
                    calls << QString::fromUtf8(server.readLine()).chopped(1);
                    arrivals.push_back(elapsed.elapsed());
                }
                return calls.size() >= wanted;
            },
            6000));
    }

    QProcess server;
    QStringList calls;
    std::vector<qint64> arrivals;
};

const QString kSent =
    QStringLiteral("Quillot\torg.quillot.Quillot\t%1\t%2\torg.quillot.Quillot\t%3");

TEST_F(NotificationsOnSessionBus, WarningsAndOpeningsArriveWithinTwoSecondsOfTheirMoment) {
    const std::unique_ptr<ActivityNotifications> desktop = DesktopNotifications();
    EXPECT_EQ(Answer(*desktop), false) << "no notification service on the bus yet";
    StartServer({});
    ASSERT_EQ(Answer(*desktop), true);

    WriteIni({u"[固定时间任务日程]", u"早会=11:50|每日", u"[范围时间任务日程]",
              u"午餐=11:50-12:30|每日", u"[持续时间设置]", u"持续时间=5", u"[程序设置]",
              u"活动开启时通知=1", u"提前提醒=1", u"提醒声音=1"});
    // A clock that starts at 11:48:58 and runs with the real one, set forward by the test: the
    // warnings come 2 s on.
    QElapsedTimer elapsed;
    elapsed.start();
    int setForward = 0;
    const Clock clock = [&] {
        const int second =
            (11 * 60 + 48) * 60 + 58 + setForward + static_cast<int>(elapsed.elapsed() / 1000);
        LocalTime time = MondayAt(second / 3600, second / 60 % 60);
        time.second = second % 60;
        return time;
    };
    ScheduleStore schedule({Ini()}, clock);
    StatusBoard board(schedule, Executable());
    board.LoadAtStartup();
    Form1 form(dialogs, board, schedule, clock, {}, *desktop);

    Receive(2, elapsed);
    // The service lists no sound: the program plays it, and no sound is named.
    EXPECT_EQ(calls, (QStringList{kSent.arg("早会 1 分钟后开启", "11:50开启", ""),
                                  kSent.arg("午餐 1 分钟后开启", "11:50-12:30", "")}));
    for (const qint64 arrival : arrivals) {
        EXPECT_GE(arrival, 2000) << "not before the warning's moment";
        EXPECT_LT(arrival, 4000) << "within 2 s of it";
    }

    // The clock set forward to 11:49:58, as the clock watch would tell: the openings 2 s on.
    calls.clear();
    arrivals.clear();
    setForward = 60 - static_cast<int>(elapsed.elapsed() / 1000);
    const qint64 setAt = elapsed.elapsed();
    form.LookAgain();
    Receive(2, elapsed);
    EXPECT_EQ(calls, (QStringList{kSent.arg("早会 已开启", "11:50-11:55", ""),
                                  kSent.arg("午餐 已开启", "11:50-12:30", "")}));
    for (const qint64 arrival : arrivals) {
        EXPECT_GE(arrival - setAt, 1000) << "not before the opening";
        EXPECT_LT(arrival - setAt, 4000) << "within 2 s of it";
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NotificationsOnSessionBus, TheSoundIsNamedWhereTheServiceListsSound) {
    StartServer({QStringLiteral("sound")});
    const std::unique_ptr<ActivityNotifications> desktop = DesktopNotifications();
    ASSERT_EQ(Answer(*desktop), true);
    QElapsedTimer elapsed;
    elapsed.start();
    desktop->Show(QStringLiteral("有声"), QStringLiteral("12:00开启"), true);
    desktop->Show(QStringLiteral("无声"), QStringLiteral("12:00开启"), false);
    Receive(2, elapsed);
    EXPECT_EQ(calls, (QStringList{kSent.arg("有声", "12:00开启", "alarm-clock-elapsed"),
                                  kSent.arg("无声", "12:00开启", "")}));
}

}  // namespace
