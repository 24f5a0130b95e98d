#include <QApplication>

#include <utility>

#include "app/ApplicationIdentity.h"
#include "app/Form1.h"
#include "cli/CommandLineAnswer.h"
#include "desktop/ActivityNotifications.h"
#include "desktop/ClockWatch.h"
#include "desktop/DesktopNotificationService.h"
#include "desktop/PlatformChoice.h"
#include "desktop/QtTimeZones.h"
#include "editor/Form2.h"
#include "platform/Process.h"
#include "status/StatusBoard.h"
#include "status/StatusController.h"
#include "status/SystemClock.h"
#include "store/ScheduleStore.h"
#include "store/Settings.h"
#include "store/ini/IniLocation.h"
#include "ui/Dialogs.h"

int main(int argc, char** argv) {
    const QtTimeZones zones;
    // -h, -v, --status and --check answer here, without a window, before the single-instance check.
    if (const std::optional<int> answered = AnswerCommandLine(argc, argv, zones))
        return *answered;

    // One running copy per executable path; a second start ends here, before anything is shown
    // or written.
    const std::filesystem::path executable = ExecutablePath();
    const auto instance = SingleInstance::Acquire(executable);
    if (!instance)
        return 0;

    PreferX11OnWayland(argc, argv);
    QApplication app(argc, argv);
    SetApplicationIdentity(app);
    MessageBoxDialogs dialogs;
    ScheduleStore schedule(ResolveIniPath(executable), SystemLocalTime, &zones);
    // Writes GM.ini when it is missing and loads it, before the status window is set up.
    Outcome<ProgramSettings, StartupProblems> loaded = schedule.LoadAtStartup();
    Settings settings(schedule, std::move(loaded.value), executable);
    StatusBoard board(schedule, settings, loaded.problem, {&zones, settings.Values().zone});
    const std::unique_ptr<ActivityNotifications> notifications = DesktopNotifications();
    DesktopNotificationService desktop(*notifications);
    StatusController controller(board, settings, schedule, SystemLocalTime, desktop);
    Form2* editor = nullptr;  // created at its first use, owned by the status window
    const auto openEditor = [&](QWidget* statusWindow) {
        if (editor == nullptr)
            editor = new Form2(
                dialogs, schedule, zones, [&] { controller.刷新任务(); }, statusWindow);
        editor->exec();
    };
    Form1 form1(controller, dialogs, openEditor);
    notifications->CarryMenu([&]() -> QMenu& { return form1.Menu(); });
    form1.show();
    const std::unique_ptr<QObject> clockWatch = WatchClockAndSleep([&] { controller.LookAgain(); });
    return app.exec();
}
