// What `quillot --status=json` does after its start: one read of GM.ini, one evaluation and the
// JSON, for the default file, for no file (the default parsed in memory) and for larger schedules
// in code page 936; beside it, one LoadTasks and one evaluation of the same files.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <benchmark/benchmark.h>

#include "cli/ScheduleSnapshot.h"
#include "cli/StatusOutput.h"
#include "desktop/QtTimeZones.h"
#include "store/DefaultIni.h"
#include "store/TaskLoader.h"
#include "text/Cp936.h"

namespace {

// Monday 2026-12-07 12:01: every fixed time below is open, every range opens within 30 minutes.
const LocalTime kNow{std::chrono::year{2026} / 12 / 7, 12, 1, 0};

// The default file with activities added to both of its sections: 0 gives the default file.
std::string ScheduleBytes(int added) {
    std::u16string fixed;
    std::u16string ranges;
    for (int i = 0; i < added; ++i) {
        const std::string digits = std::to_string(i);
        const std::u16string number(digits.begin(), digits.end());
        (i % 2 ? ranges : fixed) +=
            (i % 2 ? u"帮派联赛第" + number + u"场=06:00-06:30,12:20-12:40|星期一,星期三"
                   : u"世界首领第" + number + u"轮=08:00,12:00,20:00|每日") +
            u"\r\n";
    }
    std::u16string text = DefaultIniText(kNow);
    text.insert(text.find(u"\r\n\r\n\r\n[范围") + 2, fixed);
    text.insert(text.find(u"\r\n\r\n\r\n[持续") + 2, ranges);
    return EncodeCp936(text);
}

// The file of a benchmark's size, written afresh (none for -1), removed at the end.
class ScheduleFileOfSize {
  public:
    explicit ScheduleFileOfSize(std::int64_t added)
        : path(std::filesystem::temp_directory_path() /
               ("quillot-status-bench-" + std::to_string(added) + ".ini")) {
        std::filesystem::remove(path);
        if (added >= 0) {
            const std::string bytes = ScheduleBytes(static_cast<int>(added));
            std::ofstream(path, std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
    ~ScheduleFileOfSize() { std::filesystem::remove(path); }
    ScheduleFileOfSize(const ScheduleFileOfSize&) = delete;
    ScheduleFileOfSize& operator=(const ScheduleFileOfSize&) = delete;

    const std::filesystem::path& Path() const { return path; }

  private:
    std::filesystem::path path;
};

// The two activities of the default file and those added.
std::size_t Activities(std::int64_t added) {
    return 2 + static_cast<std::size_t>(std::max<std::int64_t>(added, 0));
}

void BM_StatusCommand(benchmark::State& state) {
    const ScheduleFileOfSize file(state.range(0));
    const IniLocation location{file.Path()};
    const QtTimeZones zones;
    for (auto _ : state) {
        const Outcome<ScheduleSnapshot, FileProblem> schedule =
            ReadScheduleSnapshot(location, kNow, zones);
        const std::u16string json =
            StatusAsJson(ComputeStatusTexts(schedule.value.tasks, schedule.value.durationMinutes,
                                            kNow, {&zones, schedule.value.defaultZone}));
        benchmark::DoNotOptimize(json);
        if (schedule.problem || schedule.value.tasks.size() != Activities(state.range(0))) {
            state.SkipWithError("the schedule did not load");
            break;
        }
    }
}

// What --status is held against: one LoadTasks of the same file into a new collection and one
// evaluation of what it loaded, as the status window loads and evaluates its schedule.
void BM_LoadTasksAndEvaluation(benchmark::State& state) {
    const ScheduleFileOfSize file(state.range(0));
    for (auto _ : state) {
        const Outcome<std::optional<IniDocument>> read = ReadIniDocument(file.Path());
        const std::vector<cTask> tasks = LoadTasks(read.value.value_or(ParseIniDocument({}))).value;
        const StatusTexts texts = ComputeStatusTexts(tasks, kFallbackDurationMinutes, kNow);
        benchmark::DoNotOptimize(texts);
        if (read.problem || tasks.size() != Activities(state.range(0))) {
            state.SkipWithError("the schedule did not load");
            break;
        }
    }
}

// -1: no GM.ini at all; 0: the default file; then the default file with more activities. Without
// a file there is nothing for LoadTasks to load, so the comparison starts at the default file.
BENCHMARK(BM_StatusCommand)->Arg(-1)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadTasksAndEvaluation)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
