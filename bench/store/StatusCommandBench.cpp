// What `quillot --status=json` does after its start: one read of GM.ini, one evaluation and the
// JSON, for the default file, for no file (the default parsed in memory) and for larger schedules
// in code page 936.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include <benchmark/benchmark.h>

#include "platform/Cp936.h"
#include "schedule/StatusOutput.h"
#include "store/DefaultIni.h"
#include "store/ScheduleSnapshot.h"

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

void BM_StatusCommand(benchmark::State& state) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("quillot-status-bench-" + std::to_string(state.range(0)) + ".ini");
    std::filesystem::remove(file);
    if (state.range(0) >= 0) {
        const std::string bytes = ScheduleBytes(static_cast<int>(state.range(0)));
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // The two activities of the default file and those added.
    const std::size_t activities =
        2 + static_cast<std::size_t>(std::max<std::int64_t>(state.range(0), 0));
    const IniLocation location{file};
    FileProblem problem;
    for (auto _ : state) {
        const ScheduleSnapshot schedule = ReadScheduleSnapshot(location, kNow, problem);
        const std::u16string json =
            StatusAsJson(ComputeStatusTexts(schedule.tasks, schedule.durationMinutes, kNow));
        benchmark::DoNotOptimize(json);
        if (problem || schedule.tasks.size() != activities) {
            state.SkipWithError("the schedule did not load");
            break;
        }
    }
    std::filesystem::remove(file);
}

// -1: no GM.ini at all; 0: the default file; then the default file with more activities.
BENCHMARK(BM_StatusCommand)->Arg(-1)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
