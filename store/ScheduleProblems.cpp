#include "store/ScheduleProblems.h"

#include "schedule/ActivityEntries.h"
#include "schedule/ActivityValue.h"
#include "store/ScheduleFileLayout.h"

std::vector<UnreadableEntry> FindUnreadableEntries(const std::vector<cTask>& tasks) {
    std::vector<UnreadableEntry> found;
    for (const cTask& task : tasks) {
        const std::u16string_view section = SectionOf(task.任务类型);
        for (EntryProblem& problem : FindEntryProblems(task)) {
            found.push_back(UnreadableEntry{std::u16string(section), task.任务名,
                                            std::move(problem.entryText), problem.error});
        }
    }
    return found;
}
