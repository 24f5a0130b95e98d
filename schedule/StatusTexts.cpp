#include "schedule/StatusTexts.h"

#include <utility>

#include "schedule/ActivityEntries.h"
#include "schedule/ScheduleText.h"
#include "schedule/SoonText.h"

namespace {

constexpr std::int32_t kLookAheadMinutes = 30;
constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr std::u16string_view kNowHeader = u"*当前可参与*";
constexpr std::u16string_view kNowEmpty = u"当前可参与：无";
constexpr std::u16string_view kSoonHeader = u"*30分钟内开启*";
constexpr std::u16string_view kSoonEmpty = u"30分钟内开启：无";

// One list of the status texts: the header, then "N. name display" lines, each after a line break.
class StatusList {
  public:
    StatusList(std::u16string_view header, std::u16string_view emptyText)
        : text(header), emptyText(emptyText) {}

    void AddLine(std::u16string_view name, std::u16string_view display) {
        ++count;
        char16_t digits[20];
        std::size_t length = 0;
        for (std::uint64_t rest = count; rest > 0; rest /= 10) {
            digits[length++] = static_cast<char16_t>(u'0' + rest % 10);
        }
        text += kLineBreak;
        while (length > 0)
            text.push_back(digits[--length]);
        text += u". ";
        text += name;
        text.push_back(u' ');
        text += display;
    }

    std::u16string Finish() && {
        if (count == 0)
            return std::u16string(emptyText);
        return std::move(text);
    }

  private:
    std::u16string text;
    std::u16string_view emptyText;
    std::uint64_t count = 0;
};

class StatusEvaluation final : public EntryVisitor {
  public:
    explicit StatusEvaluation(ClockTime current) : current(current) {}

    void BeginTask(const cTask& next) { task = &next; }

    void OnEntry(const EntryView& entry) override {
        const std::int32_t currentMinute = MinuteOfDay(current);
        const std::int32_t startMinute = MinuteOfDay(entry.start);
        if (IsClockInRange(current, entry.start, entry.end)) {
            now.AddLine(task->任务名, entry.displayText);
            open.push_back(
                {task->任务名, std::u16string(entry.displayText), task->任务类型, startMinute});
        } else if (currentMinute < startMinute &&
                   startMinute <= currentMinute + kLookAheadMinutes) {
            soon.AddLine(task->任务名, SoonText(task->任务类型, entry));
            // In the soon entries a fixed time point is its start alone, without "开启".
            const bool fixed = task->任务类型 == ActivityKind::FixedTimes;
            opening.push_back({task->任务名,
                               fixed ? FormatClock(entry.start) : std::u16string(entry.displayText),
                               task->任务类型, startMinute});
        }
    }

    // An unreadable entry is left out; the other entries still count.
    void OnProblem(std::u16string_view, ScheduleError) override {}

    StatusTexts Finish() && {
        return {std::move(now).Finish(), std::move(soon).Finish(), std::move(open),
                std::move(opening)};
    }

  private:
    ClockTime current;
    const cTask* task = nullptr;
    StatusList now{kNowHeader, kNowEmpty};
    StatusList soon{kSoonHeader, kSoonEmpty};
    std::vector<OpenEntry> open;
    std::vector<OpenEntry> opening;
};

}  // namespace

StatusTexts ComputeStatusTexts(const std::vector<cTask>& tasks, std::int16_t durationMinutes,
                               const LocalTime& now) {
    const std::u16string todayName = Get星期文本(
        static_cast<int>(std::chrono::weekday{std::chrono::sys_days{now.date}}.iso_encoding()));
    StatusEvaluation evaluation(
        {static_cast<std::int16_t>(now.hour), static_cast<std::int16_t>(now.minute)});
    for (const cTask& task : tasks) {
        evaluation.BeginTask(task);
        VisitActivityForToday(task, durationMinutes, todayName, evaluation);
    }
    return std::move(evaluation).Finish();
}
