#include "schedule/Openings.h"

#include <algorithm>

#include "schedule/ActivityEntries.h"
#include "schedule/ScheduleText.h"
#include "schedule/SoonText.h"

namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::local_days;
using std::chrono::minutes;

constexpr std::int32_t kMinutesPerDay = 24 * 60;
constexpr int kDaysAhead = 7;

// Hands each real start minute of the day's entries, from the first minute on, to the receiver.
template <typename Receive>
class DayStarts final : public EntryVisitor {
  public:
    DayStarts(std::int32_t firstMinute, Receive receive)
        : firstMinute(firstMinute), receive(std::move(receive)) {}

    void OnEntry(const EntryView& entry) override {
        const std::int32_t start = MinuteOfDay(entry.start);
        if (start >= firstMinute && start < kMinutesPerDay)
            receive(start, entry);
    }
    void OnProblem(std::u16string_view, ScheduleError) override {}

  private:
    std::int32_t firstMinute;
    Receive receive;
};

template <typename Receive>
void VisitDay(const std::vector<cTask>& tasks, std::int16_t durationMinutes, local_days day,
              std::int32_t firstMinute, Receive receive) {
    const std::u16string dayName =
        Get星期文本(static_cast<int>(std::chrono::weekday{day}.iso_encoding()));
    for (const cTask& task : tasks) {
        DayStarts starts(firstMinute, [&](std::int32_t start, const EntryView& entry) {
            receive(task, start, entry);
        });
        VisitActivityForToday(task, durationMinutes, dayName, starts);
    }
}

// The first minute of the day that is strictly after the moment (the whole day when the moment is
// before it).
std::int32_t FirstMinuteAfter(LocalMoment moment, local_days day) {
    if (moment < day)
        return 0;
    return static_cast<std::int32_t>(floor<minutes>(moment - day).count()) + 1;
}

}  // namespace

std::vector<Opening> OpeningsBetween(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                                     LocalMoment after, LocalMoment upTo) {
    std::vector<Opening> openings;
    for (local_days day = floor<days>(after); day <= upTo; day += days{1}) {
        VisitDay(tasks, durationMinutes, day, FirstMinuteAfter(after, day),
                 [&](const cTask& task, std::int32_t start, const EntryView& entry) {
                     const LocalMoment moment = day + minutes{start};
                     if (moment <= upTo) {
                         openings.push_back(
                             {task.任务类型, task.任务名, SoonText(task.任务类型, entry), moment});
                     }
                 });
    }
    std::stable_sort(openings.begin(), openings.end(),
                     [](const Opening& a, const Opening& b) { return a.moment < b.moment; });
    return openings;
}

std::optional<LocalMoment> FirstOpeningAfter(const std::vector<cTask>& tasks,
                                             std::int16_t durationMinutes, LocalMoment after) {
    const local_days first = floor<days>(after);
    for (local_days day = first; day <= first + days{kDaysAhead}; day += days{1}) {
        std::optional<std::int32_t> earliest;
        VisitDay(tasks, durationMinutes, day, FirstMinuteAfter(after, day),
                 [&](const cTask&, std::int32_t start, const EntryView&) {
                     if (!earliest || start < *earliest)
                         earliest = start;
                 });
        if (earliest)
            return day + minutes{*earliest};
    }
    return std::nullopt;
}
