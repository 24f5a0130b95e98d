#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "desktop/QtTimeZones.h"
#include "schedule/StatusTexts.h"
#include "status/NotificationPlan.h"

namespace {

using enum ActivityKind;

using namespace std::chrono_literals;

std::u16string TwoDigits(int value) {
    return {static_cast<char16_t>(u'0' + value / 10), static_cast<char16_t>(u'0' + value % 10)};
}

std::u16string ClockText(int minuteOfDay) {
    minuteOfDay %= 24 * 60;
    return TwoDigits(minuteOfDay / 60) + u":" + TwoDigits(minuteOfDay % 60);
}

// A large schedule, all of it for Mondays: half fixed time points, half ranges, ten entries each,
// spread over the day so that some entries are open now and some open soon. Every tenth activity
// is written with spaces and full-width separators, as users do, so it needs normalising.
std::vector<cTask> LargeSchedule(int activities, int entriesEach) {
    std::vector<cTask> tasks;
    tasks.reserve(activities);
    for (int i = 0; i < activities; ++i) {
        const ActivityKind kind = i % 2 == 0 ? FixedTimes : TimeRanges;
        const bool untidy = i % 10 == 9;
        std::u16string times;
        for (int j = 0; j < entriesEach; ++j) {
            const int start = (i * 37 + j * 143) % (24 * 60);
            if (j > 0)
                times += untidy ? u"， " : u",";
            times += ClockText(start);
            if (kind == TimeRanges) {
                times += u'-';
                times += ClockText(start + 20 + (i + j) % 70);
            }
        }
        std::u16string name = u"活动";
        for (char c : std::to_string(i))
            name.push_back(static_cast<char16_t>(c));
        tasks.push_back(
            {name, times, i % 3 == 0 ? u"每日" : u"星期一,星期二,星期三,星期四,星期五", kind});
    }
    return tasks;
}

void BM_ComputeStatusTexts(benchmark::State& state) {
    const std::vector<cTask> tasks = LargeSchedule(1000, 10);
    const LocalTime monday{2026y / 12 / 7, 12, 0, 0};
    std::size_t lines = 0;
    for (auto _ : state) {
        StatusTexts texts = ComputeStatusTexts(tasks, 5, monday);
        lines = texts.now.size() + texts.soon.size();
        benchmark::DoNotOptimize(texts);
    }
    state.counters["report_chars"] = static_cast<double>(lines);
}
BENCHMARK(BM_ComputeStatusTexts)->Unit(benchmark::kMicrosecond);

// The same schedule with every activity in Shanghai's zone, evaluated in Berlin's (the database is
// Qt's): each look reads the options and converts once per zone.
void BM_ComputeStatusTextsInZone(benchmark::State& state) {
    std::vector<cTask> tasks = LargeSchedule(1000, 10);
    for (cTask& task : tasks)
        task.options = u"时区=Asia/Shanghai";
    const QtTimeZones zones;
    const ZoneContext context{&zones, {}};
    LocalTime monday{2026y / 12 / 7, 5, 0, 0};
    monday.utcOffset = 1h;
    std::size_t lines = 0;
    for (auto _ : state) {
        StatusTexts texts = ComputeStatusTexts(tasks, 5, monday, context);
        lines = texts.now.size() + texts.soon.size();
        benchmark::DoNotOptimize(texts);
    }
    state.counters["report_chars"] = static_cast<double>(lines);
}
BENCHMARK(BM_ComputeStatusTextsInZone)->Unit(benchmark::kMicrosecond);

// What a look adds while notifications are on, with warnings 10 and 5 minutes ahead, late on a
// Friday: the openings and warnings due, then the next moment to look at. The weekday activities
// open again only on Monday, so the searches walk the rest of the day and then Saturday.
void BM_PlanNotifications(benchmark::State& state) {
    const std::vector<cTask> tasks = LargeSchedule(1000, 10);
    const std::vector<int> leads = {10, 5};
    const ZoneContext local;
    const NotificationPlan::Basis schedule{tasks, 5, leads, local};
    const LocalTime friday{2026y / 12 / 11, 23, 59, 30};
    const StatusTexts texts = ComputeStatusTexts(tasks, 5, friday);
    NotificationPlan plan;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plan.Look(schedule, texts.open, MomentOf(friday), true));
        benchmark::DoNotOptimize(NotificationPlan::NextMoment(schedule, MomentOf(friday)));
    }
}
BENCHMARK(BM_PlanNotifications)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
