#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "app/Form1.h"
#include "status/NotificationService.h"
#include "status/StatusBoard.h"
#include "status/StatusController.h"
#include "store/ScheduleStore.h"
#include "store/Settings.h"
#include "text/Cp936.h"
#include "ui/Dialogs.h"

namespace {

// Answers nothing: the schedules here have no problems to report.
class SilentDialogs final : public Dialogs {
  public:
    void Inform(QWidget*, const QString&) override {}
    bool Ask(QWidget*, const QString&) override { return false; }
    QString ChooseSaveFile(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
};

// Notifications stay off in these schedules.
class NoNotifications final : public NotificationService {
  public:
    void Start(std::function<void(bool)> answered) override { answered(false); }
    void Stop() override {}
    void Show(const Notification&) override {}
};

std::u16string Number(int i) {
    const std::string digits = std::to_string(i);
    return std::u16string(digits.begin(), digits.end());
}

// A schedule of n activities, half fixed points and half ranges; at 12:00 the fixed ones are open
// and the ranges open soon.
void WriteSchedule(const std::filesystem::path& file, int activities) {
    std::u16string text = u"[固定时间任务日程]\r\n";
    for (int i = 0; i < activities / 2; ++i) {
        text += u"定点" + Number(i) + u"=08:00,11:58,16:00|每日\r\n";
    }
    text += u"[范围时间任务日程]\r\n";
    for (int i = activities / 2; i < activities; ++i) {
        text += u"时段" + Number(i) +
                u"=06:00-06:30,12:20-12:40|星期一,星期二,星期三,星期四,星期五\r\n";
    }
    text += u"[持续时间设置]\r\n持续时间=5\r\n";
    std::ofstream(file, std::ios::binary) << EncodeCp936(text);
}

// One reload of the status window: LoadTasks, the evaluation and the layout.
void BM_Reload(benchmark::State& state) {
    QTemporaryDir folder;
    const std::filesystem::path ini =
        std::filesystem::path(folder.path().toStdU16String()) / "GM.ini";
    WriteSchedule(ini, static_cast<int>(state.range(0)));
    SilentDialogs dialogs;
    const Clock clock = [] {
        using namespace std::chrono;
        return LocalTime{year_month_day{year{2024}, month{1}, day{1}}, 12, 0, 0};
    };
    ScheduleStore schedule({ini}, clock);
    Outcome<ProgramSettings, StartupProblems> loaded = schedule.LoadAtStartup();
    Settings settings(schedule, std::move(loaded.value), "quillot");
    StatusBoard board(schedule, settings, loaded.problem);
    NoNotifications notifications;
    StatusController controller(board, settings, schedule, clock, notifications);
    Form1 form(controller, dialogs, {});
    for (auto _ : state)
        controller.刷新任务();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Reload)->Arg(2)->Arg(20)->Arg(200)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
