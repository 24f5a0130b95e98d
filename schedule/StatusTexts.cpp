#include "schedule/StatusTexts.h"

#include <utility>

#include "schedule/ScheduleText.h"
#include "schedule/SoonText.h"
#include "schedule/TaskEntries.h"

namespace {

constexpr std::int32_t kLookAheadMinutes = 30;
constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr std::u16string_view kNowHeader = u"*当前可参与*";
constexpr std::u16string_view kNowEmpty = u"当前可参与：无";
constexpr std::u16string_view kSoonHeader = u"*30分钟内开启*";
constexpr std::u16string_view kSoonEmpty = u"30分钟内开启：无";

// One list of the report: the header, then "N. name display" lines, each after a line break.
class ReportList {
  public:
    ReportList(std::u16string_view header, std::u16string_view emptyText)
        : text_(header), emptyText_(emptyText) {}

    void AddLine(std::u16string_view name, std::u16string_view display) {
        ++count_;
        char16_t digits[20];
        std::size_t length = 0;
        for (std::uint64_t rest = count_; rest > 0; rest /= 10) {
            digits[length++] = static_cast<char16_t>(u'0' + rest % 10);
        }
        text_ += kLineBreak;
        while (length > 0)
            text_.push_back(digits[--length]);
        text_ += u". ";
        text_ += name;
        text_.push_back(u' ');
        text_ += display;
    }

    std::u16string Finish() && {
        if (count_ == 0)
            return std::u16string(emptyText_);
        return std::move(text_);
    }

  private:
    std::u16string text_;
    std::u16string_view emptyText_;
    std::uint64_t count_ = 0;
};

class StatusEvaluation final : public EntryVisitor {
  public:
    explicit StatusEvaluation(ClockTime current) : current_(current) {}

    void BeginTask(const cTask& task) { task_ = &task; }

    void OnEntry(const EntryView& entry) override {
        const std::int32_t currentMinute = MinuteOfDay(current_);
        const std::int32_t startMinute = MinuteOfDay(entry.start);
        if (IsClockInRange(current_, entry.start, entry.end)) {
            now_.AddLine(task_->任务名, entry.displayText);
            open_.push_back(
                {task_->任务名, std::u16string(entry.displayText), task_->任务类型, startMinute});
        } else if (currentMinute < startMinute &&
                   startMinute <= currentMinute + kLookAheadMinutes) {
            soon_.AddLine(task_->任务名, SoonText(task_->任务类型, entry));
            // In the soon entries a fixed time point is its start alone, without "开启".
            const bool fixed = task_->任务类型 == ActivityKind::FixedTimes;
            opening_.push_back(
                {task_->任务名,
                 fixed ? FormatClock(entry.start) : std::u16string(entry.displayText),
                 task_->任务类型, startMinute});
        }
    }

    // An unreadable entry is left out; the other entries still count.
    void OnProblem(std::u16string_view, ScheduleError) override {}

    StatusTexts Finish() && {
        return {std::move(now_).Finish(), std::move(soon_).Finish(), std::move(open_),
                std::move(opening_)};
    }

  private:
    ClockTime current_;
    const cTask* task_ = nullptr;
    ReportList now_{kNowHeader, kNowEmpty};
    ReportList soon_{kSoonHeader, kSoonEmpty};
    std::vector<OpenEntry> open_;
    std::vector<OpenEntry> opening_;
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
        VisitTaskForToday(task, durationMinutes, todayName, evaluation);
    }
    return std::move(evaluation).Finish();
}
