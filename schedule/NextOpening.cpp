#include "schedule/NextOpening.h"

#include <string>

#include "schedule/ScheduleText.h"
#include "schedule/TaskEntries.h"

namespace {

constexpr std::int32_t kMinutesPerDay = 24 * 60;
constexpr int kDaysAhead = 7;

// The earliest start minute of the day's entries that is not before the first minute.
class EarliestStart final : public EntryVisitor {
  public:
    explicit EarliestStart(std::int32_t firstMinute) : firstMinute_(firstMinute) {}

    void OnEntry(const EntryView& entry) override {
        const std::int32_t start = MinuteOfDay(entry.start);
        if (start >= firstMinute_ && start < kMinutesPerDay && (!earliest || start < *earliest)) {
            earliest = start;
        }
    }
    void OnProblem(std::u16string_view, ScheduleError) override {}

    std::optional<std::int32_t> earliest;

  private:
    std::int32_t firstMinute_;
};

}  // namespace

std::optional<std::int32_t> SecondsToNextOpening(const std::vector<cTask>& tasks,
                                                 std::int16_t durationMinutes,
                                                 const LocalTime& now) {
    const std::int32_t nowSecond = (now.hour * 60 + now.minute) * 60 + now.second;
    const std::chrono::sys_days today{now.date};
    for (int day = 0; day <= kDaysAhead; ++day) {
        const std::u16string dayName =
            WeekdayNameOf(std::chrono::year_month_day{today + std::chrono::days{day}});
        // Today only the minutes after the current one; an opening in this minute has passed.
        EarliestStart earliest(day == 0 ? now.hour * 60 + now.minute + 1 : 0);
        for (const cTask& task : tasks)
            VisitTaskForToday(task, durationMinutes, dayName, earliest);
        if (earliest.earliest)
            return day * kMinutesPerDay * 60 + *earliest.earliest * 60 - nowSecond;
    }
    return std::nullopt;
}
