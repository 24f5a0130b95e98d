// LoadTasks of generated schedules with realistic Chinese names and values, in code page 936.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "store/DefaultIni.h"
#include "store/TaskLoader.h"
#include "text/Cp936.h"

namespace {

const std::u16string kNames[] = {u"红包刷新时间", u"就餐时间", u"世界首领挑战", u"帮派联赛",
                                 u"限时秘境",     u"钓鱼大赛", u"每日签到奖励", u"跨服竞技场"};
const std::u16string kFixedTimes[] = {u"00:00,08:00,12:00,16:00,20:00,22:00", u"09:30,21:30",
                                      u"12:00"};
const std::u16string kRanges[] = {u"06:00-06:30,12:00-12:30,18:00-18:30", u"20:00-21:00",
                                  u"22:30-01:00,13:00-14:00"};
const std::u16string kWeekdays[] = {u"每日", u"星期一,星期二,星期三,星期四,星期五",
                                    u"星期六,星期日", u"星期二,星期四"};

// The default file's comments, then half of the activities in each section.
std::string ScheduleBytes(int activities) {
    std::u16string text = DefaultIniText(LocalTime{});
    text = text.substr(0, text.find(u"[固定时间任务日程]"));
    for (int section = 0; section < 2; ++section) {
        const bool fixed = section == 0;
        text += fixed ? u"[固定时间任务日程]\r\n; 格式：活动名=时间列表|星期几\r\n"
                      : u"\r\n[范围时间任务日程]\r\n; 格式：活动名=时间范围|星期几\r\n";
        for (int i = section; i < activities; i += 2) {
            const std::string digits = std::to_string(i);
            const std::u16string number =
                u"第" + std::u16string(digits.begin(), digits.end()) + u"场";
            text += kNames[i % 8] + number + u"=" + (fixed ? kFixedTimes[i % 3] : kRanges[i % 3]) +
                    u"|" + kWeekdays[i % 4] + u"\r\n";
        }
    }
    text += u"\r\n[持续时间设置]\r\n持续时间=5\r\n";
    return EncodeCp936(text);
}

void BM_LoadTasks(benchmark::State& state) {
    const int activities = static_cast<int>(state.range(0));
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("quillot-store-bench-" + std::to_string(activities) + ".ini");
    const std::string bytes = ScheduleBytes(activities);
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    for (auto _ : state) {
        const Outcome<std::optional<IniDocument>> read = ReadIniDocument(path);
        const Outcome<std::vector<cTask>, std::vector<LoadProblem>> loaded =
            LoadTasks(read.value.value_or(ParseIniDocument({})));
        benchmark::DoNotOptimize(loaded);
        if (loaded.value.size() != static_cast<std::size_t>(activities)) {
            state.SkipWithError("not every activity loaded");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * activities);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
    std::filesystem::remove(path);
}

BENCHMARK(BM_LoadTasks)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
