#include "status/ScheduleCalendar.h"

#include "platform/Files.h"
#include "schedule/Calendar.h"
#include "text/PathText.h"

CalendarProblem WriteScheduleCalendar(const std::filesystem::path& file,
                                      const ScheduleStore& schedule, const Settings& settings,
                                      const ZoneContext& zones) {
    const Outcome<std::vector<cTask>> tasks = schedule.CurrentTasks();
    if (tasks.problem)
        return {FileAccess::Read, tasks.problem};
    const std::string calendar = ComposeCalendar(
        {tasks.value, schedule.DurationMinutes(), settings.Values().warningLeads, zones});
    return {FileAccess::Write, ReplaceFileAtomically(file, calendar)};
}

std::u16string DescribeCalendarProblem(std::u16string_view what, const std::filesystem::path& file,
                                       const ScheduleStore& schedule,
                                       const CalendarProblem& problem) {
    const std::u16string where =
        problem.access == FileAccess::Read
            ? schedule.DescribeFileError(problem.error, FileAccess::Read)
            : PathText(file) + u"：" + DescribeFileError(problem.error, FileAccess::Write);
    return std::u16string(what) + where;
}
