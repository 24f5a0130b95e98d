#include "cli/CommandLineAnswer.h"

#include "cli/CommandLine.h"
#include "cli/ScheduleCheck.h"
#include "cli/ScheduleSnapshot.h"
#include "cli/StatusOutput.h"
#include "platform/Process.h"
#include "schedule/Calendar.h"
#include "status/SystemClock.h"
#include "store/StartupMessage.h"
#include "store/ini/IniLocation.h"
#include "text/Utf8Text.h"

namespace {

constexpr int kAnswered = 0;
constexpr int kFailed = 1;
constexpr int kUnknown = 2;

int Print(std::u16string_view text) {
    return WriteConsoleText(ConsoleStream::Output, text) ? kFailed : kAnswered;
}

// What the window would say of the file itself.
int TellFileProblem(const IniLocation& location, const FileProblem& problem) {
    WriteConsoleText(ConsoleStream::Error, DescribeFileProblem(location.file, problem) + u"\n");
    return kFailed;
}

// The status as the window would show it now, from the GM.ini it would use, or what the window
// would say of that file.
int PrintStatus(bool json, const TimeZones& zones) {
    const IniLocation location = PreviewIniPath(ExecutablePath());
    const LocalTime now = SystemLocalTime();
    const Outcome<ScheduleSnapshot, FileProblem> schedule =
        ReadScheduleSnapshot(location, now, zones);
    if (schedule.problem)
        return TellFileProblem(location, schedule.problem);
    const StatusTexts texts =
        ComputeStatusTexts(schedule.value.tasks, schedule.value.durationMinutes, now,
                           {&zones, schedule.value.defaultZone});
    return Print(json ? StatusAsJson(texts) : StatusAsText(texts));
}

// The whole schedule of the GM.ini the window would use as an iCalendar object, or what the window
// would say of that file.
int PrintCalendar(const TimeZones& zones) {
    const IniLocation location = PreviewIniPath(ExecutablePath());
    const Outcome<ScheduleSnapshot, FileProblem> schedule =
        ReadScheduleSnapshot(location, SystemLocalTime(), zones);
    if (schedule.problem)
        return TellFileProblem(location, schedule.problem);
    const ZoneContext context{&zones, schedule.value.defaultZone};
    const std::string calendar =
        ComposeCalendar({schedule.value.tasks, schedule.value.durationMinutes,
                         schedule.value.warningLeads, context});
    return Print(DecodeUtf8(calendar));
}

// Every problem of the GM.ini the window would use, one line each; failed when there is one.
int PrintCheck(const TimeZones& zones) {
    const IniLocation location = PreviewIniPath(ExecutablePath());
    const Outcome<IniDocument, FileProblem> document =
        ReadStartupDocument(location, SystemLocalTime());
    if (document.problem)
        return TellFileProblem(location, document.problem);
    const std::vector<CheckedProblem> problems = CheckSchedule(document.value, zones);
    if (problems.empty())
        return kAnswered;
    Print(CheckReport(location.file, problems));
    return kFailed;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, const TimeZones& zones) {
    const CommandLine line = ParseCommandLine(CommandLineArguments(argc, argv));
    switch (line.request) {
        case CommandLine::Request::Window:
            return std::nullopt;
        case CommandLine::Request::Help:
            return Print(UsageText());
        case CommandLine::Request::Version:
            return Print(VersionText(u"" QUILLOT_VERSION));
        case CommandLine::Request::StatusText:
            return PrintStatus(false, zones);
        case CommandLine::Request::StatusJson:
            return PrintStatus(true, zones);
        case CommandLine::Request::Check:
            return PrintCheck(zones);
        case CommandLine::Request::Calendar:
            return PrintCalendar(zones);
        case CommandLine::Request::Unknown:
            break;
    }
    WriteConsoleText(ConsoleStream::Error, line.message);
    return kUnknown;
}
