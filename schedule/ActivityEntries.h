#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/ScheduleText.h"
#include "schedule/cTask.h"

// An entry that could not be read; it is skipped on its own.
struct EntryProblem {
    std::u16string entryText;  // the entry after normalisation and trimming
    ScheduleError error = ScheduleError::None;
    friend bool operator==(const EntryProblem&, const EntryProblem&) = default;
};

// One readable entry as a walk over a time list meets it. displayText is valid only during the
// call that receives it.
struct EntryView {
    ClockTime start;
    ClockTime end;
    std::u16string_view displayText;
};

// Receives the entries of a time list in written order.
class EntryVisitor {
  public:
    virtual void OnEntry(const EntryView& entry) = 0;
    // entryText is the unreadable entry after normalisation and trimming.
    virtual void OnProblem(std::u16string_view entryText, ScheduleError error) = 0;

  protected:
    ~EntryVisitor() = default;
};

// Walks the entries of the activity when its weekday text names todayName or "每日"; returns
// whether it does. Nothing is copied for the walk unless the texts need normalising.
bool VisitActivityForToday(const cTask& task, std::int16_t durationMinutes,
                           std::u16string_view todayName, EntryVisitor& visitor);

// Walks every entry of the activity, whatever its weekday text.
void VisitActivityEntries(const cTask& task, std::int16_t durationMinutes, EntryVisitor& visitor);

// Every entry of the activity that cannot be read, whatever the day.
std::vector<EntryProblem> FindEntryProblems(const cTask& task);
