#include "schedule/ActivityEntries.h"

#include "schedule/ActivityValue.h"
#include "text/TextSplit.h"
#include "text/TextTrim.h"

namespace {

void VisitFixedEntry(std::u16string_view entry, std::int16_t durationMinutes,
                     EntryVisitor& visitor) {
    const ParsedClock start = ParseClockTime(entry);
    if (!start.ok()) {
        visitor.OnProblem(entry, start.error);
        return;
    }
    const ClockTime end = AddMinutesToClock(start.clock, durationMinutes);
    char16_t display[2 * kMaxClockTextLength + 1];
    std::size_t length = WriteClockText(start.clock, display);
    display[length++] = u'-';
    length += WriteClockText(end, display + length);
    visitor.OnEntry({start.clock, end, std::u16string_view(display, length)});
}

void VisitRangeEntry(std::u16string_view entry, EntryVisitor& visitor) {
    const Split sides = SplitAt(entry, u'-');
    if (!sides.separated) {
        visitor.OnProblem(entry, ScheduleError::MissingPiece);
        return;
    }
    const ParsedClock start = ParseClockTime(TrimSpaces(sides.first));
    const ParsedClock end = ParseClockTime(TrimSpaces(SplitAt(sides.rest, u'-').first));
    if (!start.ok() || !end.ok()) {
        visitor.OnProblem(entry, start.ok() ? end.error : start.error);
        return;
    }
    visitor.OnEntry({start.clock, end.clock, entry});
}

void VisitTimeList(std::u16string_view normalizedTimes, ActivityKind kind,
                   std::int16_t durationMinutes, EntryVisitor& visitor) {
    ForEachTimeListEntry(normalizedTimes, [&](std::u16string_view entry) {
        if (kind == ActivityKind::FixedTimes) {
            VisitFixedEntry(entry, durationMinutes, visitor);
        } else {
            VisitRangeEntry(entry, visitor);
        }
    });
}

// Keeps the problems of a walk; the readable entries are not needed.
class ProblemCollector final : public EntryVisitor {
  public:
    void OnEntry(const EntryView&) override {}
    void OnProblem(std::u16string_view entryText, ScheduleError error) override {
        problems.push_back({std::u16string(entryText), error});
    }
    std::vector<EntryProblem> problems;
};

}  // namespace

bool VisitActivityForToday(const cTask& task, std::int16_t durationMinutes,
                           std::u16string_view todayName, EntryVisitor& visitor) {
    if (!RunsOn(task.星期, todayName))
        return false;
    VisitActivityEntries(task, durationMinutes, visitor);
    return true;
}

void VisitActivityEntries(const cTask& task, std::int16_t durationMinutes, EntryVisitor& visitor) {
    std::u16string storage;
    VisitTimeList(NormalizeScheduleText(task.时间, storage), task.任务类型, durationMinutes,
                  visitor);
}

std::vector<EntryProblem> FindEntryProblems(const cTask& task) {
    ProblemCollector collector;
    VisitActivityEntries(task, 0, collector);
    return std::move(collector.problems);
}
